#!/usr/bin/env bash
# Mutation testing: how many small faults planted at random in the product code
# does the test suite catch?
#
#   scripts/mutants.sh [SIZE [SEED]]      defaults: 60 mutants, seed 2026
#
# Lists every mutable site of the product folders' .cpp files (scripts/mutants.py:
# comparisons, && and ||, integer literals +-1, true/false, a removed !), shuffles
# them with SEED and takes them in that order. Each mutant is written into its
# file, built incrementally in build-mutants/ (RelWithDebInfo, no fuzz or bench
# targets), and the suite runs with a short time limit per test, stopping at the
# first failure: the tests of the mutated folder first, then the rest. A test
# that fails or hangs kills the mutant. The file is then restored (also when the
# run is interrupted). A mutant that does not compile, or whose compiled code
# does not change (the compiler proved it equivalent, or the code is not built
# on this platform), is reported and replaced by the next drawn site, so the
# sample keeps SIZE mutants. One listed as equivalent below (it changes nothing
# a user or caller can observe) stays in the sample, reported with its reason
# and left out of the rate.
#
# Environment: MUTANT_TIMEOUT (seconds per test, default 60), MUTANT_JOBS
# (build jobs, default 2), MUTANT_BUILD (build folder, default build-mutants),
# MUTANT_IDS (a file of mutant ids, one a line: run only those, e.g. the
# survivors of an earlier run). Links with lld when it is installed (faster).
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SIZE="${1:-60}"
SEED="${2:-2026}"
BUILD="${MUTANT_BUILD:-$ROOT/build-mutants}"
TIMEOUT="${MUTANT_TIMEOUT:-60}"
JOBS="${MUTANT_JOBS:-2}"
export QT_QPA_PLATFORM=offscreen CCACHE_BASEDIR="$ROOT"

# Mutants that change nothing a user or a caller can observe, by id
# (file:offset:kind, see mutants.py), with the reason.
declare -A EQUIVALENT=(
  [controls/splitter.cpp:3767:dec]="one twip is a fifteenth of a pixel: the shadow is drawn at the same pixel"
  [controls/splitter.cpp:3758:inc]="one twip is a fifteenth of a pixel: the shadow is drawn at the same pixel"
  [controls/splitter.cpp:3779:dec]="one twip is a fifteenth of a pixel: the shadow ends at the same pixel"
  [controls/splitter.cpp:3791:dec]="one twip is a fifteenth of a pixel: the shadow ends at the same pixel"
  [controls/splitter.cpp:3881:dec]="one twip is a fifteenth of a pixel: the highlight ends at the same pixel"
  [controls/splitter.cpp:3893:dec]="one twip is a fifteenth of a pixel: the highlight ends at the same pixel"
  [cli/GeoPackageOutput.cpp:4583:op]="the shapefile reader makes a point's coordinates both finite or both not a number"
  [search/NameSearch.cpp:989:dec]="one twip is a fifteenth of a pixel: the column is as wide in pixels"
  [mapping/windows/MapWindowParts.cpp:3572:inc]="one twip is a fifteenth of a pixel: the label stands at the same pixel"
  [mapping/windows/MapWindowParts.cpp:2342:inc]="one twip is a fifteenth of a pixel: the label stands at the same pixel"
  [mapping/windows/MapWindowParts.cpp:2820:inc]="one twip is a fifteenth of a pixel: the boxes stand at the same pixels"
  [mapping/windows/frmCompare.cpp:3420:inc]="one twip is a fifteenth of a pixel: the button stands at the same pixel"
  [factsheet/windows/frmList.cpp:2928:inc]="one twip is a fifteenth of a pixel: the window is as high in pixels"
  [controls/splitter.cpp:4305:inc]="a vertical bar follows only the pointer's x, so the confinement's top edge changes nothing"
  [keys/QtKeySink.cpp:3189:inc]="the key event's native scan code, which nothing reads"
  [keys/UsKeyboardLayout.cpp:279:dec]="the table is the only reader of the number, so ';' still types ';' both ways"
  [mapping/AttributeColumn.cpp:2091:dec]="98 and 99 significant digits both exceed a double's 17: the same text"
  [cli/RowOutput.cpp:1510:op]="every row holds a value per header, so c < columns ends the loop first"
  [mapping/SuitableSpecies.cpp:181:dec]="a float's shortest text is at most 15 characters: 31 bytes hold it as well as 32"
  [catalogue/JetImport.cpp:1779:inc]="every column is bound, so libmdb sets its length on every row before it is read"
  [mapping/CompiledFilter.cpp:2039:op]="integers hold no blanks: at a bound equal to the storage's largest value the test holds for every row, as the folded constant does"
  [analysis/MapClasses.cpp:3728:op]="the count map makes one class per bin, so b < classes.size() ends the loop as soon"
  [analysis/MapClasses.cpp:3756:op]="the count map makes one class per bin, so b < bins.size() ends the loop first"
  [mapping/windows/MapToolbar.cpp:1777:dec]="the crown and the pin drawn after it cover the trunk's top and bottom rows: the same pixels"
  [app/BrowserWindow.cpp:1251:op]="the events that follow the move into a child window (polish, show) install the same filter, and installing it again keeps one"
  [catalogue/modDatabase.cpp:1727:op]="a head of exactly 0x14 bytes reads its terminating zero there, and a file that short is truncated for either page size"
  [catalogue/SqlDialect.cpp:478:op]="the term is trimmed, so no space stands at its start"
  [catalogue/SqlDialect.cpp:489:op]="a dot and a space never stand at the same place"
  [app/frmMain.cpp:4932:inc]="the status clock reads the system time at each tick: a tick a millisecond later shows the same time"
  [mapping/ShapefileReader.cpp:2916:inc]="the constructor sets the size before anything reads it, or throws"
  [mapping/GridPointWriter.cpp:4014:op]="the writer is only given <folder>/pasia_canvas.shp, longer than four characters"
  [mapping/GridDataRanges.cpp:988:bool]="toDouble sets the flag before anything reads it"
  [mapping/GridDataRanges.cpp:1004:bool]="toDouble sets the flag before anything reads it"
  [cli/ShiftCommand.cpp:467:bool]="the option reader sets it from --by-country before anything reads it"
  [catalogue/CatalogueCheck.cpp:5138:inc]="in JSON an entry's brace never stands right after the one before it"
  [catalogue/CatalogueCheck.cpp:2073:op]="a value's text never stands at the file's first byte, which is the object's brace"
  [catalogue/CatalogueCheck.cpp:2076:inc]="a value's text never stands at the file's first byte, which is the object's brace"
  [mapping/windows/frmCompare.cpp:5611:op]="the hidden identifier boxes swap members, but every reader and writer goes through the same member"
  [mapping/windows/frmCompare.cpp:5614:inc]="the hidden identifier boxes swap members, but every reader and writer goes through the same member"
  [analysis/windows/frmClimateShift.cpp:5114:inc]="the list is the only item of its column with a stretch, so any stretch gives it all the room"
  [mapping/windows/frmMap.cpp:5551:dec]="one twip is a fifteenth of a pixel: the legend entry (its top in twips) stands at the same pixel"
  [mapping/windows/frmMap.cpp:5557:dec]="one twip is a fifteenth of a pixel: the legend entry (its top in twips) stands at the same pixel"
  [mapping/windows/frmMap.cpp:5563:dec]="one twip is a fifteenth of a pixel: the legend entry (its top in twips) stands at the same pixel"
  [mapping/windows/frmMap.cpp:5569:dec]="one twip is a fifteenth of a pixel: the legend entry (its top in twips) stands at the same pixel"
  [keys/clsSendKeys.cpp:919:dec]="at the end of the script mid() gives the empty text either way"
  [mapping/windows/frmIdentifyEngine.cpp:3458:op]="the list has three columns, so no heading past the third is clicked"
  [mapping/windows/frmIdentifyEngine.cpp:3460:inc]="the list has three columns, so no heading past the third is clicked"
  [cli/RowOutput.cpp:1495:op]="every row holds a value per header, so c < row.size() ends the loop as soon"
  [mapping/Classification.cpp:4042:op]="a null status reads as empty text, never \"1\", so the warning stays empty either way"
  [app/BrowserWindow.cpp:1883:op]="a browser of no width shows nothing, hidden or shown"
  [mapping/windows/frmMap.cpp:3730:inc]="one twip is a fifteenth of a pixel: the warning stands at the same pixel"
  [mapping/GridDataRanges.cpp:838:inc]="a fourth seen-flag that nothing reads"
  [photos/windows/frmImage.cpp:2662:inc]="one twip is a fifteenth of a pixel: the box stands at the same pixel"
  [analysis/SpeciesLookup.cpp:1969:dec]="a single exact match has returned just before, so more than none is more than one"
  [analysis/SpeciesLookup.cpp:1967:op]="a single exact match has returned just before, so at least one is more than one"
  [mapping/windows/MapWindowParts.cpp:3479:dec]="one twip is a fifteenth of a pixel: the check box stands at the same pixel"
  [mapping/windows/MapWindowParts.cpp:4414:inc]="one twip is a fifteenth of a pixel: the label is as wide in pixels"
  [mapping/ShapefileReader.cpp:17295:op]="a last block of no records reads no bytes and appends nothing"
  [catalogue/CatalogueWriter.cpp:1388:inc]="any negative length makes SQLite read the statement up to its terminating zero"
  [mapping/CompiledFilter.cpp:15884:inc]="the evaluation assigns the mask before anything reads it"
  [catalogue/modDatabase.cpp:3600:inc]="any negative length makes SQLite read the name up to its terminating zero"
  [mapping/CompiledFilter.cpp:9481:not]="merging a field's two bounds into one range only speeds the filter up: unmerged, the same rows match"
  [mapping/MapGeometry.cpp:1008:op]="a point at the crossing lies on that edge, which the on-edge test before has already answered"
  [cli/ServeCommand.cpp:695:inc]="a colon at the first character leaves no host, which is no IPv4 address: the same usage error"
  [app/frmMain.cpp:5959:bool]="nothing paints before the event loop runs, and by then updates are on again: the bar is drawn the same"
  [mapping/windows/frmMap.cpp:3717:dec]="one twip is a fifteenth of a pixel: the caption (its left in twips) stands at the same pixel"
  [mapping/windows/frmMap.cpp:4002:inc]="one twip is a fifteenth of a pixel: the warning (its left in twips) stands at the same pixel"
  [analysis/windows/frmCountryArea.cpp:6972:op]="the table's heading row always holds the name and the land column, so at least one heading is more than one"
)

cd "$ROOT" || exit 1
# The file being mutated is saved here with its path, and put back even after a
# run that was killed outright: the next run restores it first.
SAVED="$BUILD/mutant-restore"
mkdir -p "$SAVED"
if [ -s "$SAVED/path" ]; then
  cp "$SAVED/file" "$ROOT/$(cat "$SAVED/path")" && touch "$ROOT/$(cat "$SAVED/path")"
  echo "Restored $(cat "$SAVED/path"), left mutated by a run that was killed."
  rm -f "$SAVED/path"
fi
if ! git diff --quiet -- base platform app catalogue factsheet search mapping photos keys controls analysis cli; then
  echo "The product folders have uncommitted changes; commit or stash them first." >&2
  exit 1
fi

CURRENT=""
# The original goes back with a new time stamp, so the next build compiles it
# again (from ccache) instead of keeping the mutant's object.
restore() {
  if [ -n "$CURRENT" ]; then
    cp "$SAVED/file" "$ROOT/$CURRENT"
    touch "$ROOT/$CURRENT"
    rm -f "$SAVED/path"
    CURRENT=""
  fi
}
trap 'restore' EXIT
trap 'echo "interrupted"; exit 130' INT TERM HUP

LINKER=()
command -v ld.lld >/dev/null && LINKER=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSILVARIA_TESTS=ON \
  -DSILVARIA_FUZZ=OFF -DSILVARIA_BENCH=OFF -DSILVARIA_TEST_TIMEOUT="$TIMEOUT" "${LINKER[@]}" >/dev/null || exit 1
cmake --build "$BUILD" --parallel "$JOBS" >"$SAVED/build.log" 2>&1 ||
  { cat "$SAVED/build.log"; echo "The unmutated tree does not build." >&2; exit 1; }
# Each mutant rebuilds only what the suite runs: the test programs (and the command
# line they start), the mutated folder's first; the others only if those pass.
mapfile -t TARGETS < <(cd "$BUILD" && ctest -N | sed -nE 's/^ *Test +#[0-9]+: ([A-Za-z0-9_]+)$/\1/p')
build() { cmake --build "$BUILD" --parallel "$JOBS" --target "$@" >"$SAVED/build.log" 2>&1; }

# The test programs of a folder, run first because they are likeliest to fail.
tests_of() {
  case "$1" in
    mapping/windows/frmCompare.cpp) echo "compare_tests|map_window_tests" ;;
    mapping/windows/*) echo "map_window_tests|compare_tests|analysis_window_tests" ;;
    mapping/*) echo "mapping_tests|map_window_tests|compare_tests" ;;
    controls/*) echo "controls_tests|app_tests" ;;
    analysis/*) echo "analysis_tests|analysis_window_tests" ;;
    cli/*) echo "cli_tests|analysis_tests" ;;
    search/*) echo "search_tests" ;;
    factsheet/*) echo "factsheet_tests|app_tests" ;;
    app/* | base/* | platform/*) echo "app_tests" ;;
    *) echo "${1%%/*}_tests" ;;
  esac
}
run_tests() { (cd "$BUILD" && ctest "$@" --timeout "$TIMEOUT" --stop-on-failure >"$SAVED/test.log" 2>&1); }

echo "Checking that the unmutated suite passes..."
run_tests || { cat "$SAVED/test.log"; echo "The unmutated suite fails." >&2; exit 1; }

# Object code of a source file without debug information (columns move with a mutant).
objects_of() { find "$BUILD" \( -path "*/CMakeFiles/*/$1.o" -o -path "*/$(dirname "$1")/CMakeFiles/*/$(basename "$1").o" \) ; }
code_hash() {
  local out="" o
  for o in $(objects_of "$1"); do
    objcopy --strip-debug "$o" "$SAVED/stripped.o" && out+="$(sha1sum <"$SAVED/stripped.o")"
  done
  echo "$out"
}

# A twip literal moved by one twip to a value that rounds to the same whole
# pixel at 96 dots per inch (15 twips a pixel, as the tests run): the control
# stands on the same pixel.
twip_step() {
  [[ $2 =~ ^([0-9]+)\ -\>\ ([0-9]+)$ ]] && (( BASH_REMATCH[1] >= 15 )) &&
    (( (2 * BASH_REMATCH[1] + 15) / 30 == (2 * BASH_REMATCH[2] + 15) / 30 )) &&
    sed -n "${1##*:}p" "$ROOT/${1%%:*}" | grep -q 'Twips'
}

killed=0 survived=0 equivalent=0 n=0
declare -a SURVIVORS=()
declare -A ORIGINAL=()   # file -> hash of its unmutated object code
while IFS=$'\t' read -r -u 3 id where change; do
  [ "$n" -ge "$SIZE" ] && break
  file="${id%%:*}"
  reason="${EQUIVALENT[$id]:-}"
  twip_step "$where" "$change" && reason="one twip is a fifteenth of a pixel: the place or size rounds to the same pixel"
  if [ -n "$reason" ]; then
    n=$((n + 1)) equivalent=$((equivalent + 1))
    printf '%3s %-45s %-22s equivalent: %s\n' "$n" "$where" "$change" "$reason"
    continue
  fi
  [ -n "${ORIGINAL[$file]:-}" ] || ORIGINAL[$file]="$(code_hash "$file")"
  first="$(tests_of "$file")"
  cp "$ROOT/$file" "$SAVED/file"
  echo "$file" >"$SAVED/path"
  CURRENT="$file"
  python3 "$ROOT/scripts/mutants.py" apply "$id"
  mapfile -t rest < <(printf '%s\n' "${TARGETS[@]}" | grep -vxE "$first")
  # app/main.cpp is only in the program itself, which no test runs: built so it counts.
  if ! build ${first//|/ } $([ "$file" = app/main.cpp ] && echo silvaria); then
    result="build-failed"
  elif [ "$(code_hash "$file")" = "${ORIGINAL[$file]}" ]; then
    result="equivalent: compiled code unchanged"
  else
    n=$((n + 1))
    if run_tests -R "^($first)\$" && build silvaria-cli "${rest[@]}" && run_tests -E "^($first)\$"; then
      result="SURVIVED"; survived=$((survived + 1)); SURVIVORS+=("$id	$where $change")
    else
      result="killed by $(grep -m1 -oE '[0-9]+ - [a-z_]+_tests \(' "$SAVED/test.log" | cut -d' ' -f3 || true)"
      killed=$((killed + 1))
    fi
  fi
  restore
  printf '%3s %-45s %-22s %s\n' "$( [[ $result == killed* || $result == SURVIVED ]] && echo "$n" )" "$where" "$change" "$result"
done 3< <(if [ -n "${MUTANT_IDS:-}" ]; then
             python3 "$ROOT/scripts/mutants.py" sites "$SEED" | awk -F'\t' 'NR == FNR { want[$1] = 1; next } $1 in want' "$MUTANT_IDS" -
           else
             python3 "$ROOT/scripts/mutants.py" sites "$SEED"
           fi)

# Leave the build folder matching the source again.
build silvaria-cli "${TARGETS[@]}" || true
echo
counted=$((killed + survived))
echo "Seed $SEED, $n mutants: $killed killed, $survived survived, $equivalent equivalent;" \
  "rate $killed/$counted = $((counted ? 100 * killed / counted : 0))%"
for s in "${SURVIVORS[@]}"; do echo "  survived: $s"; done

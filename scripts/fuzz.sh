#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a fixed time on a
# copy of its committed seeds:  scripts/fuzz.sh [seconds per target, default 20]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_EACH="${1:-20}"
BUILD="${FUZZ_BUILD:-$ROOT/build-fuzz}"
EXTRA_PACKAGES="clang libclang-rt-14-dev" source "$ROOT/scripts/install.sh"
TARGETS=(fuzz_catalogue fuzz_catalogue_sources fuzz_cli_options fuzz_grid_sources fuzz_labels fuzz_places fuzz_sendkeys fuzz_filter fuzz_shapefile)

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSILVARIA_FUZZ=ON >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)" --target "${TARGETS[@]}"

export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
failed=0
for target in "${TARGETS[@]}"; do
  corpus="$(mktemp -d)"
  cp -r "$ROOT/tests/fuzz/corpus/$target/." "$corpus/"
  echo "== $target: ${SECONDS_EACH}s"
  log="$BUILD/fuzz/$target.log"
  status=0
  "$BUILD/fuzz/$target" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -artifact_prefix="$BUILD/fuzz/$target-" \
      "$corpus" >"$log" 2>&1 || status=$?
  grep -E "^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY)" "$log" || true
  [ "$status" -eq 0 ] || { echo "$target: FAILED with status $status (log $log, inputs $BUILD/fuzz/$target-*)"; failed=1; }
  rm -rf "$corpus"
done
if [ "$failed" -ne 0 ]; then echo "0 passed, 1 failed"; exit 1; fi
echo "fuzz: ${#TARGETS[@]} targets ran clean"

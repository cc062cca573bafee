#!/usr/bin/env bash
# Installs the package made by scripts/package.sh with apt-get, runs the
# programs from the PATH (the desktop program from its menu entry's command,
# under a virtual display), then purges the package and checks that none of
# its files stay.  Needs root; otherwise it says so and skips the round trip.
#   scripts/package-roundtrip.sh [path/to/silvaria_<version>_amd64.deb]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
APP_ID=org.example.silvaria.Silvaria
APP_DIR=/opt/silvaria
MAIN_WINDOW_CAPTION="Silvaria Database Version 2.0"
WINDOW_TIMEOUT=10

if [ "$(id -u)" -ne 0 ]; then
  echo "package round trip: skipped, installing packages needs root"
  exit 0
fi
deb="${1:-}"
if [ -z "$deb" ]; then
  debs=("$ROOT"/build-pkg/silvaria_*_amd64.deb)
  deb="${debs[0]}"
fi
[ -f "$deb" ] || { echo "no package found ($deb); run scripts/package.sh first"; exit 1; }
deb="$(realpath "$deb")"
EXTRA_PACKAGES="xdotool" source "$ROOT/scripts/install.sh"

if dpkg-query -W -f='${db:Status-Status}' silvaria 2>/dev/null | grep -qv '^not-installed$'; then
  echo "silvaria is already installed; purging it first"
  apt-get purge -y -qq silvaria >/dev/null
fi
[ ! -e "$APP_DIR" ] || { echo "$APP_DIR exists without the package; the leftover check would be meaningless"; exit 1; }

# Runs a command quietly and says how long it took.
timed() { local start=$SECONDS; "$@" >/dev/null; echo "   $(( SECONDS - start )) s"; }

echo "== install $(basename "$deb")"
export DEBIAN_FRONTEND=noninteractive
timed apt-get install -y -qq "$deb"
files="$(mktemp)"
work="$(mktemp -d)"
trap 'rm -rf "$files" "$work"' EXIT
dpkg -L silvaria >"$files"
echo "   $(wc -l <"$files") paths"

# From a neutral folder, so nothing is found relative to the current one.
cd "$work"
[ "$(command -v silvaria)" = /usr/bin/silvaria ] || { echo "silvaria is not on the PATH as /usr/bin/silvaria"; exit 1; }
if [ -x "$APP_DIR/silvaria-cli" ]; then
  echo "== silvaria-cli from the PATH"
  silvaria-cli --version
  silvaria-cli at 100.5,13.7
else
  echo "== silvaria-cli is not in this package: skipped its checks"
fi

# The menu entry's command (field codes such as %f dropped), under a virtual
# display; the main window comes after a 3-second splash.
command_line="$(sed -n 's/^Exec=//p' "/usr/share/applications/$APP_ID.desktop" | sed 's/ %[a-zA-Z]//g')"
echo "== start '$command_line' from the menu entry; wait for \"$MAIN_WINDOW_CAPTION\""
# The word splitting of $command_line is wanted: it is the entry's command line.
# shellcheck disable=SC2086
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$ROOT/scripts/wait-for-window.sh" "$MAIN_WINDOW_CAPTION" "$WINDOW_TIMEOUT" $command_line
cd "$ROOT"

echo "== purge"
timed apt-get purge -y -qq silvaria
if dpkg-query -W -f='${db:Status-Status}' silvaria 2>/dev/null | grep -qv '^not-installed$'; then
  echo "silvaria is still known to dpkg after the purge"; exit 1
fi
# Every file and link must be gone, and the application folder with them;
# a directory may stay only while another package owns it or files of
# others lie in it.
left=0
while IFS= read -r path; do
  [ "$path" = "/." ] && continue
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    if [ "$path" = "$APP_DIR" ] || { [ -z "$(ls -A "$path")" ] && ! dpkg -S "$path" >/dev/null 2>&1; }; then
      echo "   left behind: $path/"; left=1
    fi
  elif [ -e "$path" ] || [ -L "$path" ]; then
    echo "   left behind: $path"; left=1
  fi
done <"$files"
[ "$left" -eq 0 ] || { echo "the purge left files of the package"; exit 1; }
echo "package round trip: installed, ran and purged clean"

# Sourced by the screenshot scripts: starts Silvaria from the build's
# application folder on a virtual 1100 x 800 display with a window manager,
# and gives the helpers the scripts drive it with. Set SCRIPT (the caller's
# name, for messages) and DISPLAY_FROM (the first display number to try) first.
# Needs the Debian packages xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="${1:-$ROOT/build}"
OUT="$ROOT/data/Help/images"
for tool in Xvfb openbox xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$SCRIPT: $tool is missing; apt-get install xvfb openbox xdotool imagemagick" >&2; exit 1; }
done
[ -x "$BUILD/bin/silvaria" ] || { echo "$SCRIPT: no $BUILD/bin/silvaria; build first" >&2; exit 1; }

TMP="$(mktemp -d)"
DISPLAY_NUMBER=$DISPLAY_FROM
while [ -e "/tmp/.X11-unix/X$DISPLAY_NUMBER" ]; do DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1)); done
export DISPLAY=":$DISPLAY_NUMBER"
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$TMP"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1100x800x24 -nolisten tcp >/dev/null 2>&1 & PIDS+=($!)
sleep 1
openbox >/dev/null 2>&1 & PIDS+=($!)
sleep 1
"$BUILD/bin/silvaria" ${SILVARIA_ARGS:-} >/dev/null 2>&1 & PIDS+=($!)
xdotool search --sync --name "${MAIN_TITLE:-^Silvaria Database Version 2.0$}" >/dev/null
sleep 2

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1}"; }
# Waits for the window whose title matches, then captures it with its frame.
window() {
  local id
  id="$(xdotool search --sync --name "$1" | head -1)"
  sleep 2
  import -frame -window "$id" "$TMP/$2"
}
# Keeps the picture small: at most 256 colours, no metadata.
keep() { convert "$TMP/$1" ${3:-} +repage -strip -colors 256 "PNG8:$OUT/$2"; }
mkdir -p "$OUT"

#!/usr/bin/env bash
# Takes the manual's screenshots of the analysis windows and of the answers
# beside a map: starts Silvaria from the build's application folder on a
# virtual display with a window manager, drives it with xdotool as a user
# would, and captures windows with ImageMagick.
#   bash tools/screenshots/take_analysis_screenshots.sh [build-folder]
# Writes data/Help/images/{suitable-near,map-png,area,speciescount,climateshift}.png.
# Needs xvfb, openbox, xdotool and imagemagick. The clicks are screen
# positions on a 1100 x 800 display with the first species of the catalogue
# chosen; after a change of layout, check the pictures and adjust them.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="${1:-$ROOT/build}"
OUT="$ROOT/data/Help/images"
for tool in Xvfb openbox xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "take_analysis_screenshots: $tool is missing; apt-get install xvfb openbox xdotool imagemagick" >&2; exit 1; }
done
[ -x "$BUILD/bin/silvaria" ] || { echo "take_analysis_screenshots: no $BUILD/bin/silvaria; build first" >&2; exit 1; }

TMP="$(mktemp -d)"
DISPLAY_NUMBER=97
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
"$BUILD/bin/silvaria" >/dev/null 2>&1 & PIDS+=($!)
xdotool search --sync --name '^Silvaria Database Version 2.0$' >/dev/null
sleep 2

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1}"; }
# Waits for the window whose title matches, then captures it with its frame.
window() {
  local id
  id="$(xdotool search --sync --name "$1" | head -1)"
  sleep 2
  import -frame -window "$id" "$TMP/$2"
}
close() { for id in $(xdotool search --name "$1"); do xdotool windowclose "$id"; done; sleep 0.5; }
# Keeps the picture small: at most 256 colours, no metadata.
keep() { convert "$TMP/$1" ${3:-} +repage -strip -colors 256 "PNG8:$OUT/$2"; }
# Analysis menu items: 1 Suitable Area by Country, 2 Species Count Map, 3 Climate Shift.
analysis() { click 112 27 0.5; click 175 $((26 + 22 * $1)) 4; }

mkdir -p "$OUT"

# The map of the first species; the Suitable Tree Species tool on a lowland
# point of Cambodia. The answers open below the map; raise them to its middle.
click 156 56 3
xdotool search --sync --name '^Acacia auriculiformis$' >/dev/null
click 152 33 0.5; click 165 205 2.5
suitable="$(xdotool search --sync --name '^Suitable Tree Species$' | head -1)"
xdotool windowmove "$suitable" 0 300; sleep 1
xdotool mousemove 1000 790; sleep 0.5
window '^Suitable Tree Species$' near.png
keep near.png suitable-near.png
xdotool windowclose "$suitable"; sleep 0.5

# Save the map, typing a .png name: the picture with its stamp.
click 573 456 2
xdotool search --sync --name '^Export Bitmap$' >/dev/null
xdotool type --delay 30 "$TMP/map.png"; xdotool key Return; sleep 3
keep map.png map-png.png "-resize 640x"
click 573 512 # the map's Close

# Area by country, sorted by the full match, largest first.
analysis 1
click 695 60 0.5; click 695 60 0.5
xdotool mousemove 1000 790
window '^Suitable Area by Country' area.png
keep area.png area.png
close '^Suitable Area by Country'

# The species count of all uses.
analysis 2
window '^Species Count Map$' count.png
keep count.png speciescount.png
close '^Species Count Map$'

# The climate shift: 2 °C warmer, 10 % less rain.
analysis 3
click 425 42 0.3; xdotool key ctrl+a; xdotool type 2; xdotool key Tab ctrl+a; xdotool type -- -10; xdotool key Return
xdotool mousemove 1000 790; sleep 1
window '^Climate Shift$' shift.png
keep shift.png climateshift.png
close '^Climate Shift$'

echo "Screenshots written to $OUT:"
ls -l "$OUT"/{suitable-near,map-png,area,speciescount,climateshift}.png

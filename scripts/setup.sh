#!/usr/bin/env bash
# Installs the Debian packages Silvaria needs to build, test and run (when
# root), then configures and builds in build/. Sourced by run.sh and test.sh.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD:-$ROOT/build}"

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6sql6-sqlite
  libsqlite3-dev libshp-dev mdbtools mdbtools-dev libglib2.0-dev
  googletest libgtest-dev libbenchmark-dev
  libgdal-dev
  xvfb xauth fonts-dejavu-core fonts-liberation fonts-wine fonts-droid-fallback
  fonts-tlwg-garuda-ttf fonts-tlwg-typo-ttf fonts-lao fonts-sil-padauk fonts-khmeros fonts-lohit-deva
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm fetches a published Access file for the import test; any Node.js install will do.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "Missing packages. Run this once, then try again:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
fi

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"

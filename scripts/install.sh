#!/usr/bin/env bash
# Installs the Debian packages Silvaria needs to build, test and run, plus any
# named in EXTRA_PACKAGES (when root; otherwise prints the apt-get line to run).
# Sourced by setup.sh and by the sanitizer and fuzzing scripts.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config help2man
  qt6-base-dev libqt6sql6-sqlite qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libsqlite3-dev libshp-dev mdbtools mdbtools-dev libglib2.0-dev
  googletest libgtest-dev libbenchmark-dev
  libgdal-dev libx11-dev
  libmicrohttpd-dev chromium wrk poppler-utils
  xvfb xauth fonts-dejavu-core fonts-liberation fonts-wine fonts-droid-fallback
  fonts-tlwg-garuda-ttf fonts-tlwg-typo-ttf fonts-lao fonts-sil-padauk fonts-khmeros fonts-lohit-deva
)

# shellcheck disable=SC2206
PACKAGES+=(${EXTRA_PACKAGES:-})

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

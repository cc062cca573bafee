#!/usr/bin/env bash
# Installs what is missing, builds, and starts Silvaria on the bundled sample data.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/setup.sh"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start Silvaria under a virtual display instead:"
  echo "  xvfb-run -a $BUILD/bin/silvaria"
  exit 2
fi
exec "$BUILD/bin/silvaria" "$@"

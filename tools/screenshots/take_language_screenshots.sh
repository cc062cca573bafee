#!/usr/bin/env bash
# Takes the manual's pictures of the main window in Thai and in Vietnamese:
# Silvaria started with --lang on a virtual display, the first view captured.
#   bash tools/screenshots/take_language_screenshots.sh [build-folder]
# Writes data/Help/images/language-th.png and language-vi.png. Needs what
# session.sh needs. The settings go to a folder of their own, so the
# language chosen here is not kept for the user.
set -euo pipefail
HERE="$(dirname "${BASH_SOURCE[0]}")"
settings="$(mktemp -d)"
trap 'rm -rf "$settings"' EXIT
for lang in th vi; do
  XDG_CONFIG_HOME="$settings" SILVARIA_ARGS="--lang $lang" MAIN_TITLE="Silvaria.* 2[.]0$" bash -c '
    SCRIPT=take_language_screenshots DISPLAY_FROM=107
    source "$1/session.sh" "${2:-}"
    import -window root "$TMP/main.png"
    keep main.png "language-$3.png"' _ "$HERE" "${1:-}" "$lang"
done

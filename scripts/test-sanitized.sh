#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/
# and runs the whole test suite there; any report fails the run.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${SANITIZE_BUILD:-$ROOT/build-sanitize}"
source "$ROOT/scripts/install.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSILVARIA_SANITIZE=ON >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"
# Leaks inside the windowing libraries are not ours to fix; every other report stops the run.
export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 1800 "$@"

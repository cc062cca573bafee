#!/usr/bin/env bash
# Starts a program, waits until a window whose title begins with CAPTION
# appears (xdotool), prints how long that took, then stops the program.
# Fails when the program ends first or no such window appears in time.
#   scripts/wait-for-window.sh CAPTION SECONDS COMMAND [ARGUMENTS...]
set -uo pipefail
caption="$1" timeout="$2"
shift 2
"$@" &
pid=$!
start=$(date +%s%3N)
status=1
while :; do
  elapsed=$(( $(date +%s%3N) - start ))
  if xdotool search --name "^${caption//./\\.}" >/dev/null 2>&1; then
    printf 'window "%s" after %d.%03d s\n' "$caption" $((elapsed / 1000)) $((elapsed % 1000))
    status=0; break
  fi
  kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window \"$caption\" appeared"; break; }
  [ "$elapsed" -lt $((timeout * 1000)) ] || { echo "no window \"$caption\" within $timeout s"; break; }
  sleep 0.2
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $status

#!/usr/bin/env bash
# Load run of silvaria-cli serve on 127.0.0.1: 50 clients at once, each
# asking 200 requests over a mix of pages (bench/serve_load.lua), bounded to
# 30 seconds. Prints wrk's figures and the server's peak resident memory.
# Usage: bench/serve_load.sh [BUILD_DIR]   (default build-bench)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-bench}
port=18080
"$build/bin/silvaria-cli" serve --listen "127.0.0.1:$port" > /dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  curl -s -o /dev/null "http://127.0.0.1:$port/" && break
  sleep 0.2
done
# Two threads of 25 connections; each thread stops after 25 x 200 answers.
wrk -t2 -c50 -d30s --timeout 10s -s "$here/serve_load.lua" "http://127.0.0.1:$port" -- 25
echo "server peak RSS: $(awk '/VmHWM/ {print $2, $3}' "/proc/$server/status")"
kill -TERM "$server"
wait "$server" || true
trap - EXIT

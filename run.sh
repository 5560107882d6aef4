#!/usr/bin/env bash
# Installs what is missing, builds Release in build/release, starts the demo
# back end on a free loopback port and the client pointed at it. Without a
# display the client runs offscreen in its tour mode and writes screenshots.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTANSU_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$JOBS"
BIN=build/release/bin

DATA_DIR=${TANSU_DATA_DIR:-$PWD/build/data}
mkdir -p "$DATA_DIR"
export TANSU_DATA_DIR="$DATA_DIR"

TOUR=""
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then TOUR=1; fi

CLIENT_ARGS=()
SERVER_ARGS=(--bind 127.0.0.1 --port 0)
# The tour's screenshots show a weekday morning in the demo city, buses running.
if [ -n "$TOUR" ]; then SERVER_ARGS+=(--clock "2026-12-11 08:30:00" --quiet); fi
SERVER_PID=""
if [ -x "$BIN/tansu-demo-server" ]; then
  PORT_FILE=$(mktemp)
  "$BIN/tansu-demo-server" "${SERVER_ARGS[@]}" --port-file "$PORT_FILE" &
  SERVER_PID=$!
  trap '[ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true; rm -f "$PORT_FILE"' EXIT
  for _ in $(seq 1 100); do
    [ -s "$PORT_FILE" ] && break
    sleep 0.1
  done
  PORT=$(cat "$PORT_FILE")
  CLIENT_ARGS+=(--server "http://127.0.0.1:$PORT")
fi

if [ -n "$TOUR" ]; then
  mkdir -p screenshots
  QT_QPA_PLATFORM=offscreen "$BIN/tansu" "${CLIENT_ARGS[@]}" --tour "$PWD/screenshots" "$@"
else
  "$BIN/tansu" "${CLIENT_ARGS[@]}" "$@"
fi

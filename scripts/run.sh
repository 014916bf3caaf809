#!/usr/bin/env bash
# Installs what is missing, builds QuortTrans and starts it. Without a display it runs
# the browser on a virtual screen, saves a picture of it and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
program=build/program/quorttrans

# The web engine's sandbox cannot run as root.
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "$@"
fi

picture="$PWD/build/quorttrans-screen.png"
echo "No display found: starting QuortTrans on a virtual 1920x1080 screen."
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu"
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  "$1" & pid=$!
  # The window first, then a moment for the start page to draw.
  xdotool search --sync --onlyvisible --class quorttrans >/dev/null 2>&1 &
  waiter=$!
  for _ in $(seq 1 30); do kill -0 "$waiter" 2>/dev/null || break; sleep 1; done
  kill "$waiter" 2>/dev/null || true
  sleep 4
  import -window root "$2"
  # The program saves its files and ends as it does when the session ends.
  kill -TERM "$pid"
  wait "$pid"
' run "$program" "$picture"
echo "QuortTrans ran and closed; its screen is in $picture"

#!/usr/bin/env bash
# Builds the clock and starts it:
#   scripts/start.sh          the native Linux clock, sorvane (Qt 6), installing what is missing
#   scripts/start.sh --wine   sorvane.exe under Wine instead (scripts/start-wine.sh)
# On a real display (DISPLAY set) the clock runs until it is closed from its menu or with
# Ctrl-C here; it keeps its settings in ~/.config/sorvane. Without a display it runs on a
# virtual one with settings of its own: the script waits for the clock, saves a screenshot,
# prints where, and stops the clock again.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--wine" ]; then
  exec bash scripts/start-wine.sh
fi
bash scripts/setup.sh --linux
cmake --preset linux >/dev/null
cmake --build --preset linux --target sorvane
program="$PWD/build/linux/bin/sorvane"

if [ -n "${DISPLAY:-}" ]; then
  echo "starting $program on $DISPLAY (close it from its right-click menu, or Ctrl-C)"
  exec "$program"
fi

# A virtual display, and settings of its own: with no profile the clock starts whole at the
# top-right corner of the screen.
view="$PWD/build/linux/start-view"
rm -rf "$view" && mkdir -p "$view/config" "$view/runtime" && chmod 700 "$view/runtime"
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
clock_pid=""
stop_all() {
  if [ -n "$clock_pid" ]; then kill "$clock_pid" 2>/dev/null || true; wait "$clock_pid" 2>/dev/null || true; fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  rm -f "$number_file"
}
trap stop_all EXIT
n=""
for _ in $(seq 100); do
  n=$(head -n1 "$number_file" 2>/dev/null || true)
  [ -n "$n" ] && break
  sleep 0.1
done
[ -n "$n" ] || { echo "start: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$n"
XDG_CONFIG_HOME="$view/config" XDG_RUNTIME_DIR="$view/runtime" "$program" </dev/null \
  >/dev/null 2>&1 &
clock_pid=$!
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Sorvane$' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 1.5  # its first paint
shot="$PWD/build/linux/screenshot.png"
import -window root "$shot"
echo "the clock ran on the virtual display $DISPLAY; screenshot: $shot"

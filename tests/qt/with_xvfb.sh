#!/usr/bin/env bash
# Runs a command on a virtual display of its own, through Qt's X11 platform:
#   with_xvfb.sh COMMAND [ARGS...]
# Xvfb picks a free display itself (-displayfd), so runs side by side never share one.
set -euo pipefail
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -f "$number_file"' EXIT
n=""
for _ in $(seq 100); do
  n=$(head -n1 "$number_file" 2>/dev/null || true)
  [ -n "$n" ] && break
  sleep 0.1
done
[ -n "$n" ] || { echo "with_xvfb: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY  # the X11 tray and nothing of a desktop session
"$@"

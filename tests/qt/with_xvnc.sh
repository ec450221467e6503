#!/usr/bin/env bash
# Runs a command on a virtual display of its own whose size can change while programs run
# (Xvnc: `xrandr -s 800x600`), through Qt's X11 platform:
#   with_xvnc.sh COMMAND [ARGS...]
# Xvnc picks a free display itself (-displayfd), so runs side by side never share one.
set -euo pipefail
number_file=$(mktemp)
Xvnc -displayfd 3 -geometry 1024x768 -depth 24 -SecurityTypes None -nolisten tcp \
  -rfbport -1 3>"$number_file" </dev/null >/dev/null 2>&1 &
xvnc=$!
trap 'kill $xvnc 2>/dev/null || true; wait $xvnc 2>/dev/null || true; rm -f "$number_file"' EXIT
n=""
for _ in $(seq 100); do
  n=$(head -n1 "$number_file" 2>/dev/null || true)
  [ -n "$n" ] && break
  sleep 0.1
done
[ -n "$n" ] || { echo "with_xvnc: Xvnc did not start" >&2; exit 1; }
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
"$@"

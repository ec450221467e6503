#!/usr/bin/env bash
# Runs a command on a virtual display of its own, through Qt's X11 platform:
#   with_xvfb.sh [--resizable] COMMAND [ARGS...]
# --resizable: a display whose size can change while programs run (Xvnc: `xrandr -s 800x600`)
# instead of Xvfb. The server picks a free display itself (-displayfd), so runs side by side
# never share one.
set -euo pipefail
number_file=$(mktemp)
if [ "${1:-}" = "--resizable" ]; then
  shift
  Xvnc -displayfd 3 -geometry 1024x768 -depth 24 -SecurityTypes None -nolisten tcp \
    -rfbport -1 3>"$number_file" </dev/null >/dev/null 2>&1 &
else
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
fi
server=$!
trap 'kill $server 2>/dev/null || true; wait $server 2>/dev/null || true; rm -f "$number_file"' EXIT
n=""
for _ in $(seq 100); do
  n=$(head -n1 "$number_file" 2>/dev/null || true)
  [ -n "$n" ] && break
  sleep 0.1
done
[ -n "$n" ] || { echo "with_xvfb: the virtual display did not start" >&2; exit 1; }
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY  # the X11 tray and nothing of a desktop session
"$@"

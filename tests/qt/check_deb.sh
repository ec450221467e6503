#!/usr/bin/env bash
# The Linux package, made from this build and looked at from outside:
#   check_deb.sh BUILD_DIR SOURCE_DIR VERSION
# its fields and files; unpacked into a scratch root, the program there starts on a virtual
# display and finds the skins installed beside it; apt accepts it (simulated, nothing is
# installed on this machine).
set -euo pipefail
build=$1 source=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passed=0
expect() {  # expect WHAT COMMAND...
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then passed=$((passed + 1)); echo "  ok   $what"
  else failures=$((failures + 1)); echo "  FAIL $what"; fi
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/sorvane_"$version"_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Depends | sed 's/^/  /'
expect "it is package sorvane, version $version" \
  test "$(dpkg-deb -f "$deb" Package Version | tr '\n' ' ')" = "Package: sorvane Version: $version "
expect "it depends on Qt 6 Widgets and its X11 plugin" \
  bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6 && dpkg-deb -f '$deb' Depends | grep -q qt6-qpa-plugins"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' > "$work/files"
has() { grep -qx "$1" "$work/files"; }
expect "it holds usr/bin/sorvane" has usr/bin/sorvane
for skin in "$source"/skins/*.skn; do
  expect "it holds the skin $(basename "$skin")" has "usr/share/sorvane/skins/$(basename "$skin")"
done
for page in 1_1.html sorvane.css links/gallery.html links/readme.html links/changes.html; do
  expect "it holds the help page $page" has "usr/share/sorvane/help/$page"
done
expect "it holds the menu entry" has usr/share/applications/sorvane.desktop
for size in 16 32 48 256; do
  expect "it holds the ${size}px icon" has "usr/share/icons/hicolor/${size}x${size}/apps/sorvane.png"
done

# Unpacked into a scratch root: the program there reads the skins installed beside it.
dpkg -x "$deb" "$work/root"
mkdir -p "$work/home/config/sorvane" "$work/home/runtime" && chmod 700 "$work/home/runtime"
printf '%s\r\n' "Vitrelle profiles file." "\\profile StartUp" "x 10 left" "y 10 top" \
  "size Small" "timecolor 16777215" "clockcolor 255" "dateformatnumber  1" "style Analog" \
  "showseconds 1" "showsecondsd 1" "datashow 0" "format12 0" "showalarms 1" "ancor hook" \
  "visible 1" "skinfile classic.skn" "fontitalic 0" "fontname Arial" \
  > "$work/home/config/sorvane/vl.prf"
cat > "$work/run.sh" <<'SH'
"$1/usr/bin/sorvane" </dev/null >/dev/null 2>&1 &
pid=$!
/usr/bin/python3 - <<'PY'
import time
from x_windows import Screen, wait_for
screen = Screen()
clock = wait_for(lambda: screen.clock(), 10)
time.sleep(0.5)
print(len(screen.shape_rects(clock[0])) if clock else 0)
PY
kill $pid
wait $pid 2>/dev/null || true
SH
rects=$(XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
  XDG_RUNTIME_DIR="$work/home/runtime" PYTHONPATH="$source/tests/qt/e2e" \
  bash "$source/tests/qt/with_xvfb.sh" bash "$work/run.sh" "$work/root")
expect "the unpacked program shows the installed Classic skin ($rects rectangles)" test "$rects" -gt 100

if command -v desktop-file-validate >/dev/null; then
  expect "the menu entry is a valid desktop file" \
    desktop-file-validate "$work/root/usr/share/applications/sorvane.desktop"
fi
expect "apt would install it with its dependencies (simulated)" \
  apt-get install -s -q "$deb"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]

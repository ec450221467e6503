#!/usr/bin/env bash
# Regenerates every picture of the clock kept in docs/:
#   docs/skins/sheet.png         every shipped skin on one sheet (sorvane-skin sheet)
#   docs/skins/<skin>.png        each skin alone at 10:09:30, 250 px, with the second hand
#                                (sorvane-skin render); the help's skin gallery shows these
#   docs/screenshots/*.png       the running sorvane.exe under Wine on a virtual display:
#                                each style with and without the date, and each skin
#   docs/screenshots/linux-*.png the native Linux clock the same way, and its menu
#                                (`scripts/pictures.sh --linux` draws only these)
# Builds what it needs first: sorvane-skin natively, sorvane.exe and probe.exe for Windows,
# sorvane (preset linux).
# NATIVE_DIR=<folder> and WINDOWS_DIR=<folder> build there instead of the "native" and
# "windows" presets' build/native and build/windows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

configure() {  # configure <preset> <folder override or empty>
  if [ -n "$2" ]; then
    cmake --preset "$1" -B "$2" >/dev/null
  else
    cmake --preset "$1" >/dev/null
  fi
}

linux_screenshots() {
  echo "== screenshots of the native Linux clock in each style, and of its menu"
  cmake --preset linux >/dev/null
  cmake --build --preset linux --target sorvane
  PYTHONPATH="$root/tests/e2e:$root/tests/qt/e2e" bash tests/qt/with_xvfb.sh /usr/bin/python3 \
    tests/qt/e2e/take_linux_screenshots.py --program "$root/build/linux/bin/sorvane" \
    --skins "$root/skins" --out "$root/docs/screenshots"
}
if [ "${1:-}" = "--linux" ]; then
  bash scripts/setup.sh
  linux_screenshots
  exit 0
fi

native=${NATIVE_DIR:-build/native}
windows=${WINDOWS_DIR:-build/windows}

bash scripts/setup.sh

echo "== building sorvane-skin (native) and sorvane.exe, probe.exe (Windows)"
configure native "${NATIVE_DIR:-}"
cmake --build "$native" -j2 --target sorvane-skin
configure windows "${WINDOWS_DIR:-}"
cmake --build "$windows" -j2 --target sorvane probe

echo "== drawing the skins"
tool="$native/tools/sorvane-skin"
mkdir -p docs/skins
"$tool" check skins/*.skn
"$tool" sheet skins -o docs/skins/sheet.png
for skin in skins/*.skn; do
  name=$(basename "$skin" .skn)
  "$tool" render "$skin" --time 10:09:30 --size 250 --seconds -o "docs/skins/$name.png"
done

echo "== screenshots of the running clock in each style"
bash tests/e2e/take_screenshots.sh "$windows"
echo "== screenshots with smooth edges"
bash tests/e2e/with_own_wine.sh "$windows" take_smooth_screenshots.py --out docs/screenshots

linux_screenshots

echo "== screenshots of the running clock in each skin"
windows_abs=$(cd "$windows" && pwd)
unset DISPLAY
export WINEPREFIX="$windows_abs/tests/win32/e2e/wineprefix"
source scripts/wine-env.sh
wine_env_start
trap wine_env_stop EXIT
python3 scripts/skin_screenshots.py --exe "$windows_abs/bin/sorvane.exe" \
  --probe "$windows_abs/tests/win32/e2e/probe.exe" --skins "$root/skins" \
  --out "$root/docs/screenshots"

echo "== pictures written to docs/skins and docs/screenshots"

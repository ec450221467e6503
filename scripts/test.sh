#!/usr/bin/env bash
# Every test: installs what is missing, builds the Linux and the Windows presets, runs the
# portable tests natively and under Wine, the native Linux clock's tests and the Windows tests
# on virtual displays, and both start commands; then the portable tests again with
# sanitizers, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

bash scripts/setup.sh

# A screenshot that shows the clock: some of its pixels are in its red.
shows_the_clock() {
  local red
  red=$(convert "$1" -fill black +opaque "rgb(255,0,0)" -format "%[fx:mean]" info:)
  awk -v red="$red" 'BEGIN { exit !(red > 0.0005) }' || { echo "no clock in $1" >&2; return 1; }
}

echo "== linux build and tests: the portable tests natively, the Qt clock on virtual displays"
cmake --preset linux >/dev/null
cmake --build --preset linux
ctest --preset linux -j2
echo "== the start command, native clock"
env -u DISPLAY bash scripts/start.sh
shows_the_clock build/linux/screenshot.png

echo "== windows build and tests (under Wine)"
cmake --preset windows >/dev/null
cmake --build --preset windows
source scripts/wine-env.sh
wine_env_start
trap wine_env_stop EXIT
ctest --preset windows
echo "== the start command under Wine"
env -u DISPLAY bash scripts/start.sh --wine
shows_the_clock build/windows/screenshot.png

echo "== native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize -j2

echo "== fuzz targets, 15 s each (scripts/fuzz.sh 600 runs each for ten minutes)"
bash scripts/fuzz.sh 15

echo "== all tests passed in $(( $(date +%s) - start )) s"

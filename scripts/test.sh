#!/usr/bin/env bash
# Every test: installs what is missing, builds the native and the Windows presets, runs the
# portable tests natively and under Wine, and the Windows tests on a virtual display; then the
# native tests again with sanitizers, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

bash scripts/setup.sh

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j2

echo "== windows build and tests (under Wine)"
cmake --preset windows >/dev/null
cmake --build --preset windows
source scripts/wine-env.sh
wine_env_start
trap wine_env_stop EXIT
ctest --preset windows

echo "== native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize -j2

echo "== fuzz targets, 15 s each (scripts/fuzz.sh 600 runs each for ten minutes)"
bash scripts/fuzz.sh 15

echo "== all tests passed in $(( $(date +%s) - start )) s"

#!/usr/bin/env bash
# Every test: installs what is missing, builds the native and the Windows presets, runs the
# portable tests natively and under Wine, and the Windows tests on a virtual display.
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

echo "== all tests passed in $(( $(date +%s) - start )) s"

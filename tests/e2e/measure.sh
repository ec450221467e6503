#!/usr/bin/env bash
# GDI objects and CPU time of a running clock, on a virtual display of its own:
# measure.sh BUILD_DIR [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
unset DISPLAY
export WINEPREFIX="$build/tests/win32/e2e/wineprefix"
source "$here/../../scripts/wine-env.sh"
wine_env_start
trap wine_env_stop EXIT
python3 "$here/measure.py" --exe "$build/bin/sorvane.exe" \
  --probe "$build/tests/win32/e2e/probe.exe" --skins "$here/../../skins" --seconds "${2:-60}"

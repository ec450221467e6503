#!/usr/bin/env bash
# Screenshots of the open menu for docs/screenshots, on a virtual display of their own:
# take_menu_screenshots.sh BUILD_DIR (a Windows build with sorvane.exe and probe.exe)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
unset DISPLAY
export WINEPREFIX="$build/tests/win32/e2e/wineprefix"
source "$here/../../scripts/wine-env.sh"
wine_env_start
trap wine_env_stop EXIT
python3 "$here/take_menu_screenshots.py" --exe "$build/bin/sorvane.exe" \
  --probe "$build/tests/win32/e2e/probe.exe" --skins "$here/../../skins" \
  --out "$here/../../docs/screenshots"

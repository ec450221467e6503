#!/usr/bin/env bash
# Runs one of the Python tools here against a Windows build, on a virtual display and in the
# build's end-to-end Wine prefix, both its own:
#   with_own_wine.sh BUILD_DIR TOOL.py [MORE ARGUMENTS]
# The tool gets --exe, --probe and --skins for that build, then the further arguments.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
tool=$2
shift 2
unset DISPLAY
export WINEPREFIX="$build/tests/win32/e2e/wineprefix"
source "$here/../../scripts/wine-env.sh"
wine_env_start
trap wine_env_stop EXIT
python3 "$here/$tool" --exe "$build/bin/sorvane.exe" \
  --probe "$build/tests/win32/e2e/probe.exe" --skins "$here/../../skins" "$@"

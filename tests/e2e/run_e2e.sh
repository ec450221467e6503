#!/usr/bin/env bash
# Runs the end-to-end checks on a display and in a Wine prefix of their own, so that no
# other clock or window can get in their way: run_e2e.sh SORVANE_EXE PROBE_EXE PREFIX_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
unset DISPLAY
export WINEPREFIX="$3"
source "$here/../../scripts/wine-env.sh"
wine_env_start
trap wine_env_stop EXIT
python3 "$here/e2e_driver.py" --exe "$1" --probe "$2" --skins "$here/skins" "${@:4}"

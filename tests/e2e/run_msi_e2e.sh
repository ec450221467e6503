#!/usr/bin/env bash
# Runs the installer's end-to-end checks on a display and in a fresh Wine prefix of their own:
#   run_msi_e2e.sh BUILD_DIR PROBE_EXE PREFIX_DIR VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
unset DISPLAY
# A product installed by an earlier run would turn this run's install into a repair.
rm -rf "$3"
export WINEPREFIX="$3"
# No Linux desktop entries for the Start-menu shortcut: Wine would write them into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
source "$here/../../scripts/wine-env.sh"
wine_env_start
trap wine_env_stop EXIT
cd "$here"
python3 msi_e2e.py --build "$1" --probe "$2" --source "$here/../.." --version "$4"

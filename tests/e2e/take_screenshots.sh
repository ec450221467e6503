#!/usr/bin/env bash
# Screenshots of the clock for docs/screenshots, on a virtual display of their own:
# take_screenshots.sh BUILD_DIR (a Windows build with sorvane.exe and probe.exe)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/with_own_wine.sh" "$1" take_screenshots.py --out "$here/../../docs/screenshots"

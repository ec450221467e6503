#!/usr/bin/env bash
# GDI objects and CPU time of a running clock, on a virtual display of its own:
# measure.sh BUILD_DIR [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/with_own_wine.sh" "$1" measure.py --seconds "${2:-60}"

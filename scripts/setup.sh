#!/usr/bin/env bash
# Installs what building and testing Sorvane needs on a Debian machine. Safe to run again:
# it only calls apt-get when a tool is missing.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

have cmake || need+=(cmake)
have g++ || need+=(g++)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have wine || need+=(wine wine64)
have Xvfb || need+=(xvfb)
have xdotool || need+=(xdotool)
have import || need+=(imagemagick)
have chmcmd || need+=(fp-utils)
have clang++ || need+=(clang)
have xwininfo || need+=(x11-utils)
have wixl || need+=(wixl)          # builds the MSI
have msiinfo || need+=(msitools)   # reads it back (product code, tables)
python3 -c 'import yaml' 2>/dev/null || need+=(python3-yaml)  # the winget manifests' test
pkg_installed libclang-rt-14-dev || need+=(libclang-rt-14-dev)
pkg_installed googletest || need+=(googletest)
pkg_installed libgtest-dev || need+=(libgtest-dev)
pkg_installed libbenchmark-dev || need+=(libbenchmark-dev)
pkg_installed libstb-dev || need+=(libstb-dev)

if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing ${need[*]}; run as root to install them" >&2
    exit 1
  fi
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

#!/usr/bin/env bash
# Installs what building and testing Sorvane needs on a Debian machine. Safe to run again:
# it only calls apt-get when a tool is missing.
#   scripts/setup.sh          everything: both clocks, their tests, fuzzing and benchmarks
#   scripts/setup.sh --linux  only what building and showing the native Linux clock needs
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# The native Linux clock: Qt 6 Widgets with its X11 (xcb) platform plugin and a font for its
# text; the portable code's test framework and PNG writer (its build includes them); a
# virtual display and a screenshot for machines without one.
have cmake || need+=(cmake)
have g++ || need+=(g++)
pkg_installed qt6-base-dev || need+=(qt6-base-dev)
pkg_installed qt6-qpa-plugins || need+=(qt6-qpa-plugins)
pkg_installed fonts-dejavu-core || need+=(fonts-dejavu-core)
pkg_installed libxext-dev || need+=(libxext-dev)  # the shell's tests read X SHAPE back
pkg_installed libx11-dev || need+=(libx11-dev)    # the shell asks the X server what Qt does not tell
pkg_installed libxfixes-dev || need+=(libxfixes-dev)  # ... and hears when a compositor comes or goes
pkg_installed googletest || need+=(googletest)
pkg_installed libgtest-dev || need+=(libgtest-dev)
pkg_installed libstb-dev || need+=(libstb-dev)
have Xvfb || need+=(xvfb)
have xdotool || need+=(xdotool)
have import || need+=(imagemagick)

if [ "${1:-}" != "--linux" ]; then
  have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
  have wine || need+=(wine wine64)
  have chmcmd || need+=(fp-utils)
  have clang++ || need+=(clang)
  have xwininfo || need+=(x11-utils)
  have wixl || need+=(wixl)          # builds the MSI
  have msiinfo || need+=(msitools)   # reads it back (product code, tables)
  python3 -c 'import yaml' 2>/dev/null || need+=(python3-yaml)  # the winget manifests' test
  pkg_installed libclang-rt-14-dev || need+=(libclang-rt-14-dev)
  pkg_installed libbenchmark-dev || need+=(libbenchmark-dev)
  # The native clock's end-to-end checks: an XEmbed tray host, and X SHAPE read from outside
  # by Debian's own Python (a python3 earlier on PATH may not see Debian's modules).
  have trayer || need+=(trayer)
  /usr/bin/python3 -c 'import Xlib.ext.shape' 2>/dev/null || need+=(python3-xlib)
  have dpkg-shlibdeps || need+=(dpkg-dev)  # the .deb's library dependencies
  # Screens that change under the running clocks: a display whose size can change, and
  # xrandr to change it.
  have Xvnc || need+=(tigervnc-standalone-server)
  have xrandr || need+=(x11-xserver-utils)
  # Smooth edges on Linux: a compositing manager for the virtual display, and the X clocks
  # the native clock's CPU time is measured beside.
  have xcompmgr || need+=(xcompmgr)
  have xclock || need+=(x11-apps)
fi

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

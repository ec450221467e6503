# Sourced by the scripts that run Windows programs: a private Wine prefix, a virtual display
# when there is none, and a persistent wineserver so each program starts fast.
# Starts nothing twice; `wine_env_stop` ends what it started.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
_wine_env_xvfb_pid=""

wine_env_start() {
  if [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 120); do
      [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    _wine_env_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  fi
  mkdir -p "$WINEPREFIX"
  # Helpers must not inherit our pipes, or whoever reads them (ctest) waits forever.
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i </dev/null >/dev/null 2>&1 || true
  fi
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_env_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -n "$_wine_env_xvfb_pid" ]; then
    kill "$_wine_env_xvfb_pid" 2>/dev/null || true
    wait "$_wine_env_xvfb_pid" 2>/dev/null || true
  fi
}

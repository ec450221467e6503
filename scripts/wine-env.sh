# Sourced by the scripts that run Windows programs: a private Wine prefix, a virtual display
# when there is none, and a persistent wineserver so each program starts fast.
# Starts nothing twice; `wine_env_stop` ends what it started.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
_wine_env_xvfb_pid=""

# WINE_ENV_XVNC=1 asks for a display whose size can change while programs run (Xvnc).
wine_env_start() {
  if [ -z "${DISPLAY:-}" ]; then
    # The server picks a free display itself and writes its number to the file once it
    # listens, so runs started side by side never race for the same one.
    local number_file n=""
    number_file=$(mktemp)
    if [ -n "${WINE_ENV_XVNC:-}" ]; then
      Xvnc -displayfd 3 -geometry 1024x768 -depth 24 -SecurityTypes None -nolisten tcp \
        -rfbport -1 3>"$number_file" </dev/null >/dev/null 2>&1 &
    else
      Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" </dev/null \
        >/dev/null 2>&1 &
    fi
    _wine_env_xvfb_pid=$!
    for _ in $(seq 100); do
      n=$(head -n1 "$number_file" 2>/dev/null || true)
      [ -n "$n" ] && break
      sleep 0.1
    done
    rm -f "$number_file"
    [ -n "$n" ] || { echo "wine-env: the virtual display did not start" >&2; return 1; }
    export DISPLAY=":$n"
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

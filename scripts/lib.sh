# Shared by scripts/test and scripts/demo: the virtual display and Wine prefix.
# shellcheck shell=bash

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$repo/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8

xvfb_pid=""

# Starts Xvfb on the first free display from :90 on, 1280 x 1024 x 24, and
# exports DISPLAY.
start_virtual_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

# Creates the prefix if needed and starts a lasting Wine server with Wine's
# services (see scripts/wine-run), so that no test pays for a start. Every run
# begins at 96 dpi, whatever an interrupted test left behind.
start_wine() {
  "$repo/scripts/wine-run" reg.exe add 'HKCU\Control Panel\Desktop' /v LogPixels \
    /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1 || true
}

stop_all() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}

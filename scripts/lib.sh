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

# Creates or updates the prefix, lets the server that did it wind down with the
# services it started, then starts one that stays up until stop_all, so that no
# test pays for a server start. (Starting the lasting server first leaves two
# sets of services fighting over RpcSs, and every window then waits 10 s or
# more.) The server's output goes to /dev/null so that nothing waits on a pipe
# it inherited.
start_wine() {
  mkdir -p "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1 || true
  timeout 60 wineserver -w </dev/null >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1 || true
}

stop_all() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}

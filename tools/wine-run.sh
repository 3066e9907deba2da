#!/usr/bin/env bash
# Runs a Windows program under Wine the way every test and the README expect:
# a private prefix made once and reused, no Wine chatter, code page 936 (LC_ALL
# is given to Wine only: the Linux locale need not exist), no
# download dialogs, and an Xvfb display of our own when none is given.
# Usage: wine-run.sh program.exe [args...]   (also CMake's cross-compiling emulator)
set -euo pipefail

export WINEPREFIX="${VOSTREL_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vostrel/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

mkdir -p "$(dirname "$WINEPREFIX")"
# One prefix, made once: parallel runs wait for the first to finish it.
if [ ! -f "$WINEPREFIX/.vostrel-ready" ]; then
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.vostrel-ready" ]; then
    rm -rf "$WINEPREFIX"
    env LC_ALL=zh_CN.GBK wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vostrel-ready"
  fi
  flock -u 9
  exec 9>&-
fi

xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  # Let Xvfb pick a free display number and tell us which.
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r display_number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display_number"
fi

set +e
env LC_ALL=zh_CN.GBK wine "$@"
rc=$?
set -e
exit $rc

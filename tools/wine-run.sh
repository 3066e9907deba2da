#!/usr/bin/env bash
# Runs a Windows program under Wine the way every test and the README expect:
# a private prefix made once and reused, no Wine chatter, code page 936, no
# download dialogs, and an Xvfb display of our own when none is given.
# Usage: wine-run.sh program.exe [args...]   (also CMake's cross-compiling emulator)
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
[ -f "${1:-}" ] && vostrel_use_bits "$(vostrel_pe_bits "$1")"

vostrel_prepare
trap vostrel_stop_xvfb EXIT
if [ -n "$vostrel_desktop" ]; then
  export DISPLAY
  DISPLAY=$(cat "$WINEPREFIX/.vostrel-display")
elif [ -z "${DISPLAY:-}" ]; then
  vostrel_start_xvfb
fi

run() { vostrel_wine "$vostrel_loader" "$@"; }
set +e
if [ -z "$vostrel_desktop" ] && [ "${VOSTREL_USES_DESKTOP:-}" = 1 ]; then
  # A desktop test that CTest runs without test.sh's sessions waits for the others.
  vostrel_locked "$WINEPREFIX.desktop.lock" run "$@"
else
  run "$@"
fi
rc=$?
set -e
exit $rc

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
[ -n "${DISPLAY:-}" ] || vostrel_start_xvfb

set +e
vostrel_wine "$vostrel_loader" "$@"
rc=$?
set -e
exit $rc

#!/usr/bin/env bash
# Builds the calculator's window measurements for Windows and runs them under
# Wine: start-up until the window takes a typed key against notepad, Enter on
# 10,000 and 100,000 tape lines against a bare EDIT (spread over the CPUs, and
# on one), and the speech pace while the window repaints. Usage: bench-window.sh [target64|target]  (default target64)
set -euo pipefail
cd "$(dirname "$0")/.."

tree=build/${1:-target64}
[ -f "$tree/CMakeCache.txt" ] || {
  echo "configure $tree first (tools/test.sh does)" >&2
  exit 2
}
cmake --build "$tree" --target vostrel startup_measure calcform_enter_measure speechpace_measure -j "$(nproc)"
run() { bash tools/wine-run.sh "$@"; }
run "$tree/calculator/startup_measure.exe" "$tree/calculator/vostrel.exe" 7
run "$tree/calculator/calcform_enter_measure.exe" 10000 100000
run "$tree/calculator/speechpace_measure.exe" 5

# Enter again with the program and its Wine server on one CPU. Every server
# request is a round trip between the two processes: across CPUs each costs
# a wake-up of the other (55-90 us on a virtual machine, where it is most of
# an Enter's extra over the bare EDIT), on one CPU a switch (about 18 us
# there); on Windows it is a system call. The server must start under the
# same pin, so the last one of the prefix is let end first.
source tools/wine-env.sh
vostrel_use_bits "$(vostrel_pe_bits "$tree/calculator/calcform_enter_measure.exe")"
cpu=$(taskset -pc $$ | sed 's/.*: //; s/[-,].*//')
if timeout 20 wineserver -w 2>/dev/null; then
  echo "Enter, the program and its Wine server on CPU $cpu:"
  taskset -c "$cpu" bash tools/wine-run.sh "$tree/calculator/calcform_enter_measure.exe" 10000 100000
else
  echo "a Wine server of $WINEPREFIX is still running: Enter is not measured on one CPU" >&2
fi

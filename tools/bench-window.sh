#!/usr/bin/env bash
# Builds the calculator's window measurements for Windows and runs them under
# Wine: start-up until the window takes a typed key against notepad, Enter on
# 10,000 and 100,000 tape lines against a bare EDIT, and the speech pace while
# the window repaints. Usage: bench-window.sh [target64|target]  (default target64)
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

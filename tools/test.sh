#!/usr/bin/env bash
# Builds the Windows builds, the sanitized host build and the clang fuzz build,
# then runs every test of the tested Windows build, host and fuzz through one
# CTest run.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
generator=(-G Ninja)

source tools/wine-env.sh
target=$(vostrel_build_dir)

# The 32-bit build we ship always builds whole, warnings as errors; the tests
# run in the build VOSTREL_WINE_BITS chooses (64-bit unless it says 32).
windows_build() {
  cmake -S . -B "$1" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$2" -DVOSTREL_WERROR=ON
  cmake --build "$1" -j "$jobs"
}
windows_build build/target cmake/mingw-i686.cmake
[ "$target" = build/target ] || windows_build "$target" "$(vostrel_toolchain)"

cmake -S . -B build/host "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DVOSTREL_WERROR=ON
cmake --build build/host -j "$jobs"

cmake -S . -B build/fuzz "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DVOSTREL_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz -j "$jobs"

# The prefixes a build's tests use: ours, and the setup tests' own, in which
# they make all-users shortcuts.
test_prefixes() { printf '%s\n' "$WINEPREFIX" "$PWD/$1/setup/wineprefix"; }
stop_wine() {
  local prefix
  while read -r prefix; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" vostrel_end_session
  done < <(test_prefixes "$target"; test_prefixes build/target)
  return 0
}
# Each prefix gets one Wine session for the whole run, started before the
# first test (see vostrel_start_session). A session's desktop, which also
# holds the notification area, lives on the display it was started on: every
# test shares one display, and no server left from an earlier one may serve.
start_sessions() {
  local prefix pid pids=()
  while read -r prefix; do
    (export WINEPREFIX="$prefix"; vostrel_prepare && vostrel_start_session) &
    pids+=($!)
  done < <(test_prefixes "$1")
  for pid in "${pids[@]}"; do wait "$pid"; done
}
stop_wine
trap 'stop_wine; vostrel_stop_xvfb' EXIT
[ -n "${DISPLAY:-}" ] || vostrel_start_xvfb
start_sessions "$target"

# One CTest run over the three builds, so one summary line ends the output.
printf 'subdirs("%s" "host" "fuzz")\n' "${target#build/}" > build/CTestTestfile.cmake
status=0
ctest --test-dir build -j "$jobs" --output-on-failure "$@" || status=$?
tested="$target ($vostrel_bits-bit Wine), build/host, build/fuzz"

# The shipped 32-bit build runs its Windows tests too where the kernel runs
# 32-bit programs itself; the probe runs one rather than guess from the kernel.
if [ "$target" != build/target ]; then
  if vostrel_runs_32bit; then
    stop_wine
    unset VOSTREL_WINEPREFIX
    vostrel_use_bits 32
    start_sessions build/target
    ctest --test-dir build/target -j "$jobs" --output-on-failure "$@" || status=$?
    tested+=", build/target (32-bit Wine)"
  else
    echo "build/target (32-bit) built but not run: this kernel does not run 32-bit programs (probe)"
  fi
fi
echo "Tested: $tested"
exit $status

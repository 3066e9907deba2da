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

# Tests that use what a Wine session shares run in desktop sessions of their
# own (see wine-env.sh), as many as half the cores, up to four; CTest hands
# each such test one free session through the resource spec below.
desktops=$((jobs / 2))
[ "$desktops" -ge 1 ] || desktops=1
[ "$desktops" -le 4 ] || desktops=4
desktop_spec=$PWD/build/desktops.json
mkdir -p build
{
  printf '{"version": {"major": 1, "minor": 0}, "local": [{"desktops": ['
  for ((i = 1; i <= desktops; i++)); do
    printf '%s{"id": "%d", "slots": 1}' "$([ $i = 1 ] || echo ', ')" "$i"
  done
  printf ']}]}\n'
} > "$desktop_spec"

# The prefixes a build's tests use: ours, the setup tests' own, in which they
# make all-users shortcuts, and the desktop sessions'.
setup_prefix() { echo "$PWD/$1/setup/wineprefix"; }
desktop_prefix() { echo "$WINEPREFIX-desktop$1"; }
export VOSTREL_DESKTOP_PREFIX
test_prefixes() {
  printf '%s\n' "$WINEPREFIX" "$(setup_prefix "$1")"
  for ((i = 1; i <= desktops; i++)); do desktop_prefix $i; done
}
stop_wine() {
  local prefix
  while read -r prefix; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" vostrel_end_session
  done < <(test_prefixes "$target"; test_prefixes build/target)
  return 0
}
# The other prefixes are fresh copies of ours each run, so that nothing a
# test changed in a session (regional settings, shortcuts) outlives the run.
copy_prefix() {
  rm -rf "$1"
  mkdir -p "$(dirname "$1")"
  cp -a "$WINEPREFIX" "$1"
  touch "$1/.vostrel-ready"
}
make_prefixes() {
  local i
  vostrel_prepare
  copy_prefix "$(setup_prefix "$1")"
  for ((i = 1; i <= desktops; i++)); do copy_prefix "$(desktop_prefix $i)"; done
}
# Each prefix gets one Wine session for the whole run, started before the
# first test (see vostrel_start_session). A session's desktop, which also
# holds the notification area, lives on the display it was started on: each
# desktop session has an Xvfb of its own, the others share the run's, and no
# server left from an earlier one may serve.
start_sessions() {
  local i prefix pid pids=() shared_display=$DISPLAY
  session() { (export WINEPREFIX="$1"; vostrel_start_session) & pids+=($!); }
  session "$WINEPREFIX"
  session "$(setup_prefix "$1")"
  for ((i = 1; i <= desktops; i++)); do
    prefix=$(desktop_prefix $i)
    vostrel_start_xvfb
    echo "$DISPLAY" > "$prefix/.vostrel-display"
    session "$prefix"
  done
  export DISPLAY=$shared_display
  for pid in "${pids[@]}"; do wait "$pid"; done
  VOSTREL_DESKTOP_PREFIX=$(desktop_prefix "")
}
# The prefixes are made while the builds run.
stop_wine
make_prefixes "$target" >/dev/null &
prefixes=$!

# The tests run in the build VOSTREL_WINE_BITS chooses (64-bit unless it says
# 32); the shipped 32-bit build runs its own too where the kernel runs 32-bit
# programs itself (the probe runs one rather than guess from the kernel).
tests32=OFF
if [ "$target" = build/target ] || vostrel_runs_32bit; then tests32=ON; fi

# The 32-bit build we ship always builds, warnings as errors; its test
# programs only where they will run.
windows_build() {
  cmake -S . -B "$1" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$2" -DVOSTREL_WERROR=ON -DVOSTREL_BUILD_TESTS="$3"
  cmake --build "$1" -j "$jobs"
}
windows_build build/target cmake/mingw-i686.cmake $tests32
[ "$target" = build/target ] || windows_build "$target" "$(vostrel_toolchain)" ON

cmake -S . -B build/host "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DVOSTREL_WERROR=ON
cmake --build build/host -j "$jobs"

cmake -S . -B build/fuzz "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DVOSTREL_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz -j "$jobs"

wait $prefixes
trap 'stop_wine; vostrel_stop_xvfb' EXIT
[ -n "${DISPLAY:-}" ] || vostrel_start_xvfb
start_sessions "$target"

# One CTest run over the three builds, so one summary line ends the output.
printf 'subdirs("%s" "host" "fuzz")\n' "${target#build/}" > build/CTestTestfile.cmake
status=0
ctest --test-dir build -j "$jobs" --resource-spec-file "$desktop_spec" --output-on-failure "$@" || status=$?
tested="$target ($vostrel_bits-bit Wine), build/host, build/fuzz"

if [ "$target" != build/target ]; then
  if [ $tests32 = ON ]; then
    stop_wine
    unset VOSTREL_WINEPREFIX
    vostrel_use_bits 32
    make_prefixes build/target
    start_sessions build/target
    ctest --test-dir build/target -j "$jobs" --resource-spec-file "$desktop_spec" --output-on-failure "$@" || status=$?
    tested+=", build/target (32-bit Wine)"
  else
    echo "build/target (32-bit) built without its tests: this kernel does not run 32-bit programs (probe)"
  fi
fi
echo "Tested: $tested"
exit $status

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

# Wine's desktop process, which also holds the notification area, lives on the
# display of the program that started its server: every test shares one display,
# and no server left from an earlier display may serve them.
vostrel_prepare
stop_wine() {
  for prefix in "$WINEPREFIX" "$PWD/$target/setup/wineprefix"; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  done
}
stop_wine
trap 'stop_wine; vostrel_stop_xvfb' EXIT
[ -n "${DISPLAY:-}" ] || vostrel_start_xvfb

# One CTest run over the three builds, so one summary line ends the output.
printf 'subdirs("%s" "host" "fuzz")\n' "${target#build/}" > build/CTestTestfile.cmake
ctest --test-dir build -j "$jobs" --output-on-failure "$@"

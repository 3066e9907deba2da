#!/usr/bin/env bash
# Builds the calculator for Windows and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/target -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
cmake --build build/target -j "$(nproc)" --target vostrel
exec tools/wine-run.sh build/target/calculator/vostrel.exe

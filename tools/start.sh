#!/usr/bin/env bash
# Builds the calculator for Windows and starts it under Wine (the 64-bit build
# unless VOSTREL_WINE_BITS=32, as for the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
target=$(vostrel_build_dir)

cmake -S . -B "$target" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$(vostrel_toolchain)"
cmake --build "$target" -j "$(nproc)" --target vostrel
exec tools/wine-run.sh "$target/calculator/vostrel.exe"

#!/usr/bin/env bash
# Builds the host benchmarks optimised and without sanitizers, then runs them:
# first our codecs against libpng and giflib as one ratio a case, then the
# finer benchmarks, which take the arguments given.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOSTREL_SANITIZE=OFF
cmake --build build/bench -j "$(nproc)"
build/bench/images/codec_ratios "${VOSTREL_RATIO_REPEATS:-9}"
for b in $(find build/bench -type f -name '*_benchmark' -perm -u+x | sort); do
  "$b" "$@"
done

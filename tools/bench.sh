#!/usr/bin/env bash
# Builds the host benchmarks optimised and without sanitizers, then runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOSTREL_SANITIZE=OFF
cmake --build build/bench -j "$(nproc)"
for b in $(find build/bench -type f -name '*_benchmark' -perm -u+x | sort); do
  "$b" "$@"
done

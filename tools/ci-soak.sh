#!/usr/bin/env bash
# Soak: a fresh clone of this repository, then the README's test command N
# times while a CPU hog (stress-ng) keeps every core busy. Prints each run's
# time, its failures and its five slowest tests. A tool, not part of CI.
# Usage: ci-soak.sh [N]   (default 3; the clone and the logs stay in the
# folder named at the start)
set -euo pipefail
runs=${1:-3}
repo=$(cd "$(dirname "$0")/.." && pwd)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
if ! command -v stress-ng >/dev/null; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends stress-ng
fi

soak=$(mktemp -d "${TMPDIR:-/tmp}/vostrel-soak.XXXXXX")
echo "soak folder: $soak"
git clone -q "$repo" "$soak/clone"

hog=""
stop_hog() {
  if [ -n "$hog" ]; then
    kill "$hog" 2>/dev/null || true
    wait "$hog" 2>/dev/null || true
    hog=""
  fi
}
trap stop_hog EXIT

# A new user's machine: no display, no Wine prefix, no GBK locale yet (all
# made under the soak folder), nothing of ours in the environment.
unset DISPLAY VOSTREL_WINEPREFIX VOSTREL_WINE_BITS
export XDG_CACHE_HOME="$soak/cache"

green=0
for run in $(seq 1 "$runs"); do
  log="$soak/run$run.log"
  stress-ng --cpu "$(nproc)" --quiet >/dev/null 2>&1 &
  hog=$!
  start=$(date +%s)
  status=0
  (cd "$soak/clone" && bash tools/setup.sh && bash tools/test.sh) >"$log" 2>&1 || status=$?
  seconds=$(($(date +%s) - start))
  stop_hog
  [ "$status" = 0 ] && green=$((green + 1))
  printf 'run %d: %s, %dm%02ds (exit %d, log %s)\n' "$run" "$([ "$status" = 0 ] && echo green || echo RED)" \
    $((seconds / 60)) $((seconds % 60)) "$status" "$log"
  grep -E '^[[:space:]]*[0-9]+ - .*\((Failed|Timeout|Not Run|SEGFAULT|Exception|Child aborted)' "$log" | sed 's/^/  failed: /' || true
  echo "  slowest:"
  # awk reads to the end: with head, sort could die of SIGPIPE and, under
  # pipefail, end the whole soak.
  grep -E 'Test +#[0-9]+: .* sec$' "$log" | sed -E 's/.*Test +#[0-9]+: ([^ ]+) .* ([0-9.]+) sec$/\2 \1/' |
    sort -rn | awk 'NR <= 5 { printf "    %8.1f s  %s\n", $1, $2 }'
done
echo "$green of $runs runs green"
[ "$green" = "$runs" ]

#!/usr/bin/env bash
# Times glandwise-calc on generated input lines and prints glands per second for each of
# RUNS runs (default 3) and the best of them (the least disturbed by other work).
# Usage: bench/calc_throughput.sh [path/to/glandwise-calc [lines [glandwise-calc options...]]]
# Without a path it takes build/default or build/cli, else the newest non-sanitizer build.
# The figures of the README, on two threads:
#   RUNS=5 bench/calc_throughput.sh build/default/cli/glandwise-calc 100000 -j 2
#   RUNS=5 bench/calc_throughput.sh build/default/cli/glandwise-calc 100000 -j 2 --format csv \
#     --fields ID,PSM,PCM,PCMMax,PCMMin,EGM,EGMMaxE,GHM,F70M,F70F
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

find_binary() {
  local candidate
  for candidate in "$root/build/default/cli/glandwise-calc" "$root/build/cli/cli/glandwise-calc"; do
    [[ -x $candidate ]] && { echo "$candidate"; return; }
  done
  find "$root/build" -type f -name glandwise-calc -perm -u+x -not -path '*asan*' -printf '%T@ %p\n' 2>/dev/null |
    sort -rn | head -n1 | cut -d' ' -f2-
}

binary=${1:-$(find_binary)}
if [[ -z $binary || ! -x $binary ]]; then
  echo "glandwise-calc not found; build it or pass its path" >&2
  exit 2
fi
lines=${2:-100000}
shift $(($# > 2 ? 2 : $#))

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
awk -v count="$lines" -v seed=1 -f "$here/gen_calc_lines.awk" >"$workdir/input.jsonl"

expected=$lines
[[ " $* " == *" --format csv "* || " $* " == *" --format=csv "* ]] && expected=$((lines + 1))  # the header row
outputs=$("$binary" "$@" "$workdir/input.jsonl" | wc -l)
if ((outputs != expected)); then
  echo "expected $expected output lines, got $outputs" >&2
  exit 1
fi

report() {  # label, nanoseconds
  awk -v label="$1" -v lines="$lines" -v ns="$2" 'BEGIN {
    printf "%s: %d glands in %.3f s = %.0f glands/s\n", label, lines, ns / 1e9, lines / (ns / 1e9)
  }'
}

echo "$binary $* on $lines generated lines"
best=0
for ((run = 1; run <= ${RUNS:-3}; run++)); do
  start=$(date +%s%N)
  "$binary" "$@" "$workdir/input.jsonl" >/dev/null
  elapsed=$(($(date +%s%N) - start))
  ((best == 0 || elapsed < best)) && best=$elapsed
  report "run $run" "$elapsed"
done
report best "$best"

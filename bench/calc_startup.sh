#!/usr/bin/env bash
# Start-up of the batch calculator: the wall time of a one-line run without --report-dir,
# from starting glandwise-calc to its exit, RUNS times (default 20) after one warm-up run.
# Prints the median, the best and the worst against the goal (25 ms).
# Usage: bench/calc_startup.sh [path/to/glandwise-calc [glandwise-calc options...]]
set -euo pipefail

binary=${1:-build/default/cli/glandwise-calc}
shift $(($# > 0 ? 1 : 0))
[[ -x $binary ]] || { echo "no executable at $binary (build it first, or pass its path)" >&2; exit 2; }
runs=${RUNS:-20}
goal_ms=25
line='{"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2", "pressure": "1000"}'

"$binary" "$@" <<<"$line" >/dev/null  # warm-up: the files in the page cache
times=()
for ((run = 1; run <= runs; run++)); do
  start=$(date +%s%N)
  "$binary" "$@" <<<"$line" >/dev/null
  times+=($((($(date +%s%N) - start) / 1000)))
done

printf '%s\n' "${times[@]}" | sort -n | awk -v goal="$goal_ms" -v binary="$binary" '
  { us[NR] = $1 }
  END {
    median = (NR % 2) ? us[(NR + 1) / 2] : (us[NR / 2] + us[NR / 2 + 1]) / 2
    printf "%s: one-line run in %.1f ms median, %.1f ms best, %.1f ms worst over %d runs (goal < %d ms: %s)\n",
           binary, median / 1000, us[1] / 1000, us[NR] / 1000, NR, goal, median / 1000 < goal ? "within goal" : "OVER GOAL"
  }'

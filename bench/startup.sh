#!/usr/bin/env bash
# Start-up of the desktop program: the time from starting glandwise to its title window
# "Glandwise Rev. 2.1a" being mapped on the screen, and the program's peak resident memory
# (VmHWM) with the title screen up. Runs the program RUNS times under its own virtual X
# server and prints each run, the median and the worst, against the goals (300 ms, 80 MB).
#
# Usage: bench/startup.sh [PATH/TO/glandwise] [RUNS]
#        (default build/default/app/glandwise, 10 runs; needs xvfb-run and xwininfo)
set -euo pipefail

program=${1:-build/default/app/glandwise}
runs=${2:-10}
title="Glandwise Rev. 2.1a"
goal_ms=300
goal_mb=80

[[ -x $program ]] || { echo "no executable at $program (build it first, or pass its path)" >&2; exit 2; }
if [[ -z ${STARTUP_UNDER_XVFB:-} ]]; then
  STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$program" "$runs"
fi

if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

# The real X display, even when the caller runs the screen tests offscreen.
export QT_QPA_PLATFORM=xcb

now_ns() { date +%s%N; }

# One run: prints "MILLISECONDS KILOBYTES".
measure() {
  local start pid shown deadline
  start=$(now_ns)
  "$program" &
  pid=$!
  deadline=$((start + 20000000000))
  until xwininfo -name "$title" 2>/dev/null | grep -q 'Map State: IsViewable'; do
    sleep 0.005  # poll gently: the probe must not starve the program it measures
    if ! kill -0 "$pid" 2>/dev/null || (($(now_ns) > deadline)); then
      kill "$pid" 2>/dev/null || true
      echo "glandwise did not show its title window" >&2
      return 1
    fi
  done
  shown=$(now_ns)
  sleep 0.5  # let the first paint and any late initialisation finish before reading the peak
  local peak_kb
  peak_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((shown - start) / 1000000)) $peak_kb"
}

times=()
peaks=()
for ((run = 1; run <= runs; ++run)); do
  read -r ms kb < <(measure)
  times+=("$ms")
  peaks+=("$kb")
  printf 'run %2d: %4d ms to the title window, peak %6.1f MB\n' "$run" "$ms" "$(echo "$kb / 1024" | bc -l)"
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
worst() { printf '%s\n' "$@" | sort -n | tail -1; }

median_ms=$(median "${times[@]}")
worst_ms=$(worst "${times[@]}")
median_mb=$(echo "$(median "${peaks[@]}") / 1024" | bc -l)
worst_mb=$(echo "$(worst "${peaks[@]}") / 1024" | bc -l)
verdict() { awk -v value="$1" -v goal="$2" 'BEGIN {print (value < goal) ? "within goal" : "OVER GOAL"}'; }
printf 'start-up to title: median %s ms, worst %s ms (goal < %d ms: %s)\n' "$median_ms" "$worst_ms" "$goal_ms" \
  "$(verdict "$worst_ms" "$goal_ms")"
printf 'peak memory:       median %.1f MB, worst %.1f MB (goal < %d MB: %s)\n' "$median_mb" "$worst_mb" "$goal_mb" \
  "$(verdict "$worst_mb" "$goal_mb")"

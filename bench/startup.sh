#!/usr/bin/env bash
# Start-up of the desktop program against a bare Qt window, in one run: the time from
# starting glandwise to its title window "Glandwise Rev. 2.1a" being mapped on the screen,
# and its peak resident memory (VmHWM) with the title screen up; then the same for
# bare_qt_window (an empty Qt Widgets window of the title window's size), the least any Qt
# Widgets program costs here. The two alternate RUNS times under one virtual X server; it
# prints each run, the median and the worst of each, what the program adds, and the goals
# (300 ms, 80 MB).
#
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
#        (default build/default, 10 runs: BUILD_DIR/app/glandwise and
#        BUILD_DIR/bench/bare_qt_window; needs xvfb-run and xwininfo)
set -euo pipefail

build=${1:-$(dirname "$0")/../build/default}
runs=${2:-10}
program=$build/app/glandwise
bare=$build/bench/bare_qt_window
title="Glandwise Rev. 2.1a"
bare_title="Bare Qt window"
goal_ms=300
goal_mb=80

for executable in "$program" "$bare"; do
  [[ -x $executable ]] || { echo "no executable at $executable (build it first, or pass the build folder)" >&2; exit 2; }
done
if [[ -z ${STARTUP_UNDER_XVFB:-} ]]; then
  STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$build" "$runs"
fi

if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

# The real X display, even when the caller runs the screen tests offscreen.
export QT_QPA_PLATFORM=xcb

now_ns() { date +%s%N; }

# One run of COMMAND until its window TITLE is shown: prints "MILLISECONDS KILOBYTES WxH".
measure() {
  local title=$1 start pid shown deadline info
  shift
  start=$(now_ns)
  "$@" &
  pid=$!
  deadline=$((start + 20000000000))
  until info=$(xwininfo -name "$title" 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info"; do
    sleep 0.005  # poll gently: the probe must not starve the program it measures
    if ! kill -0 "$pid" 2>/dev/null || (($(now_ns) > deadline)); then
      kill "$pid" 2>/dev/null || true
      echo "$1 did not show its window \"$title\"" >&2
      return 1
    fi
  done
  shown=$(now_ns)
  sleep 0.5  # let the first paint and any late initialisation finish before reading the peak
  local peak_kb
  peak_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((shown - start) / 1000000)) $peak_kb $(awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}' <<<"$info")"
}

mb() { echo "($1) / 1024" | bc -l; }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
worst() { printf '%s\n' "$@" | sort -n | tail -1; }

times=() peaks=() bare_times=() bare_peaks=()
for ((run = 1; run <= runs; ++run)); do
  shown=$(measure "$title" "$program")
  read -r ms kb size <<<"$shown"
  shown=$(measure "$bare_title" "$bare" -geometry "$size")
  read -r bare_ms bare_kb _ <<<"$shown"
  times+=("$ms") peaks+=("$kb") bare_times+=("$bare_ms") bare_peaks+=("$bare_kb")
  printf 'run %2d: glandwise %4d ms, %5.1f MB   bare Qt window (%s) %4d ms, %5.1f MB\n' \
    "$run" "$ms" "$(mb "$kb")" "$size" "$bare_ms" "$(mb "$bare_kb")"
done

# summary NAME TIMES PEAKS (the names of the arrays): one line of medians and worsts.
summary() {
  local name=$1
  local -n ms=$2 kb=$3
  printf '%-17s median %4s ms, worst %4s ms to the window; peak memory median %5.1f MB, worst %5.1f MB\n' \
    "$name:" "$(median "${ms[@]}")" "$(worst "${ms[@]}")" "$(mb "$(median "${kb[@]}")")" "$(mb "$(worst "${kb[@]}")")"
}
summary "glandwise" times peaks
summary "bare Qt window" bare_times bare_peaks

verdict() { awk -v value="$1" -v goal="$2" 'BEGIN {print (value < goal) ? "within goal" : "OVER GOAL"}'; }
added_ms=$(echo "$(median "${times[@]}") - $(median "${bare_times[@]}")" | bc -l)
added_mb=$(mb "$(median "${peaks[@]}") - $(median "${bare_peaks[@]}")")
worst_ms=$(worst "${times[@]}")
worst_mb=$(mb "$(worst "${peaks[@]}")")
printf 'glandwise adds %.1f ms and %.1f MB to a bare Qt window (medians)\n' "$added_ms" "$added_mb"
printf 'glandwise worst: %d ms (goal < %d ms: %s), %.1f MB (goal < %d MB: %s)\n' \
  "$worst_ms" "$goal_ms" "$(verdict "$worst_ms" "$goal_ms")" "$worst_mb" "$goal_mb" "$(verdict "$worst_mb" "$goal_mb")"

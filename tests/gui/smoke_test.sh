#!/usr/bin/env bash
# Smoke test of the real program: without a display it says so in one line and ends with
# status 1; under a virtual X server it shows its title window "Glandwise Rev. 2.1a" within
# 20 s and prints nothing on standard error, even without XDG_RUNTIME_DIR.
# Usage: smoke_test.sh PATH/TO/glandwise      (exit 77: no xvfb-run or xwininfo, skipped;
# in CI, where the set-up script has installed them, their absence fails the test)
set -euo pipefail

program=${1:?usage: smoke_test.sh PATH/TO/glandwise}
if [[ -z ${SMOKE_UNDER_XVFB:-} ]]; then
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1) && status=0 || status=$?
  if [[ $status != 1 || $said != *"needs a graphical desktop session"* ]]; then
    echo "without a display glandwise ended with status $status, saying: $said" >&2
    exit 1
  fi
  for tool in xvfb-run xwininfo; do
    if ! command -v "$tool" >/dev/null; then
      echo "smoke test skipped: $tool not installed (scripts/setup.sh installs it)"
      [[ -n ${CI:-} ]] && exit 1
      exit 77
    fi
  done
  SMOKE_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$program"
fi

# The real X display, even when the caller runs the screen tests offscreen.
export QT_QPA_PLATFORM=xcb
unset XDG_RUNTIME_DIR
errors=$(mktemp)
"$program" 2>"$errors" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -f "$errors"' EXIT

for ((tick = 0; tick < 200; ++tick)); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Glandwise Rev. 2.1a"'; then
    echo "title window shown after about $((tick * 100)) ms"
    if [[ -s $errors ]]; then
      echo "glandwise printed on standard error:" >&2
      cat "$errors" >&2
      exit 1
    fi
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" && status=0 || status=$?
    echo "glandwise ended (status $status) before showing its title window" >&2
    exit 1
  fi
  sleep 0.1
done
echo "no window titled \"Glandwise Rev. 2.1a\" within 20 s" >&2
exit 1

#!/usr/bin/env bash
# Installs what is missing, builds Glandwise's programs in build/default (the desktop
# program, the batch calculator glandwise-calc and its report writer, and the measurement
# programs that the README's commands run) and launches the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target glandwise glandwise-calc glandwise-report \
  analysis_bench review_window_bench find_bench face_bench bare_qt_window
exec ./build/default/app/glandwise "$@"

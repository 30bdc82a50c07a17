#!/usr/bin/env bash
# Installs what is missing, builds Glandwise and launches the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target glandwise
exec ./build/default/app/glandwise "$@"

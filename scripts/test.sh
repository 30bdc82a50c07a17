#!/usr/bin/env bash
# Installs what is missing, builds Glandwise twice (normal, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds. Fails on any failing
# test and on any sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

run_suite() {
  local preset=$1
  echo "=== ${preset} build ==="
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  local log
  log=$(mktemp)
  if ! ctest --preset "${preset}" -j "${jobs}" --timeout 300 2>&1 | tee "${log}"; then
    rm -f "${log}"
    return 1
  fi
  if grep -qE "runtime error:|ERROR: (Address|Leak)Sanitizer|SUMMARY: (Address|UndefinedBehavior|Leak)Sanitizer" "${log}"; then
    echo "Sanitizer report in the ${preset} build" >&2
    rm -f "${log}"
    return 1
  fi
  rm -f "${log}"
}

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"

# The normal build without debug information and the sanitizer build with line tables
# only: both compile about a quarter faster, and a sanitizer report still names its lines.
run_suite test
run_suite asan
echo "All tests passed in the normal and the sanitizer builds."

#!/usr/bin/env bash
# Installs what is missing, builds tavoreno with its tests and runs every test
# headless: once built with AddressSanitizer and UndefinedBehaviorSanitizer
# (leaks at exit fail), then in a normal build. Ends with CTest's summary.
#   --quick   only the normal build
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh

run_suite() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DTAVORENO_WERROR=ON "$@"
  cmake --build "$dir" -j"$(nproc)"
  ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
}

if [ "${1:-}" != --quick ]; then
  run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVORENO_SANITIZE=ON
fi
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo

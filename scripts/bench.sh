#!/usr/bin/env bash
# Builds tavoreno for speed and runs its benchmarks: start-up and peak memory
# against a reference Qt program, look-up latency, and an idle window's CPU.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench

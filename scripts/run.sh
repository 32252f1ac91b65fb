#!/usr/bin/env bash
# Installs what is missing, builds tavoreno and starts it. Without a display it
# runs the program on a virtual one, saves a screenshot of the window once it
# has activated (build/screenshot.png), prints its path and closes the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target tavoreno x11_close_window
if [ -n "${DISPLAY:-}" ]; then
  exec build/app/tavoreno
fi
exec scripts/screenshot.sh build/app/tavoreno build/tools/x11_close_window build/screenshot.png

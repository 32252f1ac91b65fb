#!/usr/bin/env bash
# Starts the program on a virtual X display, waits until its window has
# activated, saves a screenshot, closes the window the way a window manager's
# close button does, and checks that the program ended with exit code 0.
#
#   scripts/screenshot.sh PROGRAM CLOSE-TOOL OUTPUT.png
set -euo pipefail
program=$(realpath "$1")
close_tool=$(realpath "$2")
output=$(realpath -m "$3")

if [ -z "${TAVORENO_ON_XVFB:-}" ]; then
  TAVORENO_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
source "$(cd "$(dirname "$0")" && pwd)/xvfb_window.sh"

start_window "$program"
import -window "$window" "$output"
status=0
close_window "$close_tool" || status=$?
if [ "$status" -ne 0 ]; then
  echo "the program ended with exit code $status" >&2
  exit 1
fi
echo "$output"

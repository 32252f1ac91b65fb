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

# Qt wants a private runtime directory; a bare session has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$(mktemp -d)
fi

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vezazazaza Vidavod$' | head -n 1)
# A bare X server activates no window: give it the focus, as a desktop would.
xdotool windowfocus --sync "$window"
sleep 1
import -window "$window" "$output"

"$close_tool" "$window"
status=0
wait $pid || status=$?
trap - EXIT
if [ "$status" -ne 0 ]; then
  echo "the program ended with exit code $status" >&2
  exit 1
fi
echo "$output"

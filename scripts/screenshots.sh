#!/usr/bin/env bash
# Takes a screenshot of each page of the window, as a user sees it, for the
# README and the package's metadata: docs/screenshots/*.png.
#   scripts/screenshots.sh [PROGRAM] [CLOSE-TOOL]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/app/tavoreno}")
close_tool=$(realpath "${2:-build/tools/x11_close_window}")
out=$(realpath -m docs/screenshots)
mkdir -p "$out"

if [ -z "${TAVORENO_ON_XVFB:-}" ]; then
  TAVORENO_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$program" "$close_tool"
fi
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$(mktemp -d)
fi

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vezazazaza Vidavod$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 1
shot() { sleep 0.5; import -window "$window" "$out/$1.png"; }
key() { xdotool key --window "$window" "$@"; }

shot 1-dicionario
key ctrl+Tab
# Choose "Cristianismo": into the selector, then the first item with the arrow key.
key Tab
key Down
shot 2-religioes
for name in 3-pesos-e-medidas 4-apostolos 5-calendario-judaico 6-sobre; do
  key ctrl+Tab
  shot "$name"
done

"$close_tool" "$window"
wait $pid
trap - EXIT
ls "$out"/*.png

#!/usr/bin/env bash
# Takes a screenshot of each page of the window, as a user sees it, for the
# README and the package's metadata: docs/screenshots/*.png.
#   scripts/screenshots.sh [PROGRAM] [CLOSE-TOOL]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/app/tavoreno}")
close_tool=$(realpath "${2:-$here/../build/tools/x11_close_window}")
cd "$here/.."
out=$(realpath -m docs/screenshots)
mkdir -p "$out"

if [ -z "${TAVORENO_ON_XVFB:-}" ]; then
  TAVORENO_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$here/screenshots.sh" "$program" "$close_tool"
fi
source "$here/xvfb_window.sh"
start_window "$program"
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

close_window "$close_tool"
ls "$out"/*.png

#!/usr/bin/env bash
# The Debian package as a user gets it: builds it, installs it with apt,
# checks its desktop entry and metadata, starts the installed program on a
# virtual display, checks that the window comes up with entry 0 on show, closes
# it and removes the package again.
#   package_test.sh BUILD-DIR CLOSE-TOOL
set -euo pipefail
build=$(realpath "$1")
close_tool=$(realpath "$2")

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! sudo -n true 2>/dev/null; then
    echo "skipped: installing a package needs root or sudo without a password"
    exit 77
  fi
  sudo=(sudo -n)
fi

work=$(mktemp -d)
(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb=$(ls "$work"/tavoreno_*.deb)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
trap '"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q tavoreno >/dev/null; rm -rf "$work"' EXIT

desktop-file-validate /usr/share/applications/tavoreno.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.example.tavoreno.metainfo.xml >/dev/null
grep -qx 'StartupWMClass=tavoreno' /usr/share/applications/tavoreno.desktop
test -f /usr/share/icons/hicolor/32x32/apps/tavoreno.png

cat > "$work/run.sh" <<'INNER'
set -euo pipefail
export XDG_RUNTIME_DIR=$(mktemp -d)
/usr/bin/tavoreno &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vezazazaza Vidavod$' | head -n 1)
xprop -id "$window" WM_CLASS | grep -q '"tavoreno", "tavoreno"'
xdotool windowfocus --sync "$window"
sleep 1
import -window "$window" "$WORK/shot.png"
"$CLOSE_TOOL" "$window"
wait $pid
INNER
WORK=$work CLOSE_TOOL=$close_tool xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$work/run.sh"

# Entry 0 on show: the first row of the headword list highlighted (navy), and
# the headword label drawn in red.
pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:; }
row=$(pixel 60 142)
red=$(convert "$work/shot.png" -crop 70x22+229+138 +repage txt:- | grep -ci '#FF0000' || true)
echo "first row: $row; red pixels in the label: $red"
[ "$row" = "srgb(0,0,128)" ] || [ "$row" = "navy" ]
[ "$red" -gt 20 ]
echo "the installed program came up with entry 0 on show"

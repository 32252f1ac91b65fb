#!/usr/bin/env bash
# The program writes no file and opens no socket but its display connection:
# runs it under strace on a virtual display through start-up, activation and
# closing, and checks every file and network call it made.
#   no_writes_no_network.sh PROGRAM CLOSE-TOOL
set -euo pipefail
program=$(realpath "$1")
close_tool=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/run.sh" <<'INNER'
set -euo pipefail
strace -f -qq -o "$WORK/trace" \
  -e trace=open,openat,creat,mkdir,mkdirat,rmdir,unlink,unlinkat,rename,renameat,renameat2,link,symlink,truncate,ftruncate,socket,connect,bind,sendto \
  "$PROGRAM" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vezazazaza Vidavod$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 1
# Some use: type a word, switch pages.
xdotool type --window "$window" --delay 50 abel
xdotool key --window "$window" ctrl+Tab ctrl+Tab
sleep 0.5
"$CLOSE_TOOL" "$window"
wait $pid
INNER
mkdir -p "$work/runtime"
WORK=$work PROGRAM=$program CLOSE_TOOL=$close_tool XDG_RUNTIME_DIR=$work/runtime \
  xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$work/run.sh"

trace=$work/trace
fail=0
# Files opened for writing (devices such as /dev/null excepted).
if grep -E 'open(at)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)' "$trace" | grep -v '"/dev/' | grep -v '= -1 '; then
  echo "FAIL: a file was opened for writing"; fail=1
fi
# Files or directories created, removed or renamed.
if grep -E '^[0-9]+ +(creat|mkdir|mkdirat|rmdir|unlink|unlinkat|rename|renameat|renameat2|link|symlink|truncate)\(' "$trace" | grep -v '= -1 '; then
  echo "FAIL: a file or directory was created, removed or changed"; fail=1
fi
# Sockets: only local ones, and connections only to the X server. (The C
# library's own attempt to reach a name-service cache, which fails, is no
# connection.)
if grep -E 'socket\(' "$trace" | grep -v 'AF_UNIX'; then
  echo "FAIL: a network socket was opened"; fail=1
fi
if grep -E 'connect\(' "$trace" | grep -v '= -1 ' | grep -v '/tmp/.X11-unix/X'; then
  echo "FAIL: a connection other than the display's"; fail=1
fi
[ "$fail" -eq 0 ] && echo "no file written, no connection but the display's ($(wc -l < "$trace") calls checked)"
exit "$fail"

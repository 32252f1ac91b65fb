# Shared by the scripts that run the program on a virtual X display: start it,
# wait for its window and give it the focus (a bare X server activates no
# window, a desktop would), and close it as a window manager's close button
# does. Source it; it sets "window" and "pid".

start_window() {
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    # Qt wants a private runtime directory; a bare session has none.
    export XDG_RUNTIME_DIR=$(mktemp -d)
  fi
  "$@" &
  pid=$!
  trap 'kill $pid 2>/dev/null || true' EXIT
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vezazazaza Vidavod$' | head -n 1)
  xdotool windowfocus --sync "$window"
  sleep 1
}

# close_window CLOSE-TOOL: asks the window to close and returns the program's
# exit code.
close_window() {
  "$1" "$window"
  local status=0
  wait $pid || status=$?
  trap - EXIT
  return $status
}

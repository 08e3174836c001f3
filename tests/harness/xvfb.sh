# Starts a private Xvfb for one run (sourced by the harness scripts).
# start_xvfb sets DISPLAY; stop_xvfb ends the server.
xvfb_pid=
start_xvfb() {
  local fifo display
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/xvfb-fd.XXXXXX")
  mkfifo "$fifo"
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 20 display <"$fifo"
  rm -f "$fifo"
  [ -n "$display" ] || { echo "xvfb: no display" >&2; return 1; }
  export DISPLAY=:$display
}
stop_xvfb() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
}

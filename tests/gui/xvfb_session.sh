#!/bin/bash
# Runs a command on a fresh virtual X display (1024x768, 24-bit), with
# DISPLAY exported to it, and stops the display afterwards. The display
# number is whatever free one the server picks, so sessions can run side by
# side. Exits with the command's status.
#
#   tests/gui/xvfb_session.sh <command> [arguments...]
set -u
if [ $# -lt 1 ]; then
  echo "usage: $0 <command> [arguments...]" >&2
  exit 2
fi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The server writes its display number to the descriptor once it accepts
# connections. The display is then checked by connecting to it; a server that
# went away at once (another session took the same number at the same moment)
# is started again.
start_server() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$work/display" ]; then break; fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  [ -s "$work/display" ] || return 1
  DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
  export DISPLAY
  xdotool getdisplaygeometry >/dev/null 2>&1
}
for attempt in 1 2 3; do
  if start_server; then break; fi
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
  if [ "$attempt" = 3 ]; then
    echo "xvfb_session: the X server did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 1
done

"$@"
exit $?

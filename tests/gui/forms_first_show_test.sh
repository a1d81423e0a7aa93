#!/bin/bash
# A modal form opened from the main form's OnShow comes up alone: the main
# form's window appears only after that OnShow has finished (run it inside
# xvfb_session.sh).
#
#   forms_first_show_test.sh <forms_demo> <artifacts folder>
set -u
demo=$1
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
log=$(mktemp)
"$demo" /tmp first >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; rm -f "$log"' EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if dlg=$("$here/find_window.sh" TDemoDialog); then
  "$here/window_shot.sh" TDemoDialog "$artifacts/forms_first_show.png" >/dev/null
  "$here/find_window.sh" TDemoForm 1 >/dev/null 2>&1 &&
    fail "the main form is on screen while its OnShow runs"
  eval "$(xdotool getwindowgeometry --shell "$dlg")"
  read -r left top w h < <(awk '$2 == "TDemoDialog.Button1" {print $3, $4, $5, $6}' "$log")
  xdotool mousemove $((X + left + w / 2)) $((Y + top + h / 2)) click 1
  "$here/find_window.sh" TDemoForm >/dev/null || fail "the main form did not come up after the dialog"
  grep -qx "DialogReturned" "$log" || fail "the dialog did not return"
else
  fail "no dialog at start"
fi

if [ "$failures" -ne 0 ]; then
  echo "--- program output ---"
  cat "$log"
  exit 1
fi
echo "forms_first_show: all checks passed"

#!/bin/bash
# Drives forms_demo in a real window (run it inside xvfb_session.sh): clicks
# and types at the controls' model positions and checks from the program's
# output that the model's handlers ran; saves screenshots in <artifacts>.
#
#   forms_demo_test.sh <forms_demo> <close_window> <artifacts folder>
set -u
demo=$1
close_window=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artifacts"
log=$(mktemp)
folder=$(mktemp -d)
"$demo" "$folder" >"$log" 2>&1 &
pid=$!
cleanup() {
  kill "$pid" 2>/dev/null
  rm -rf "$log" "$folder"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# Waits up to 10 s for a line of the program's output.
expect_line() {
  for _ in $(seq 100); do
    if grep -qxF -- "$1" "$log"; then return 0; fi
    sleep 0.1
  done
  fail "no output line '$1'"
  return 1
}

wid=$("$here/find_window.sh" TDemoForm) || { cat "$log"; exit 1; }
expect_line ready || { cat "$log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$wid")"  # X Y WIDTH HEIGHT of the client area
[ "$WIDTH" = 330 ] && [ "$HEIGHT" = 300 ] || fail "window is ${WIDTH}x${HEIGHT}, not 330x300"
title=$(xprop -id "$wid" _NET_WM_NAME)
[ "$title" = '_NET_WM_NAME(UTF8_STRING) = "Ukážka formulára"' ] || fail "window title: $title"

# The screen position of the middle of a control (or of its left part).
aim() {
  local name=$1 dx=${2:-} left top w h
  read -r left top w h < <(awk -v n="$name" '$1 == "control" && $2 == n {print $3, $4, $5, $6}' "$log")
  [ -n "$left" ] || { fail "no control $name"; return 1; }
  echo "$((X + left + ${dx:-w / 2})) $((Y + top + h / 2))"
}
# Waits up to 5 s for a pop-up menu (a drop-down list that opened).
wait_for_menu() {
  local w
  for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
      xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_MENU && return 0
    done
    sleep 0.1
  done
  return 1
}
click() {
  local at
  at=$(aim "$@") || return 1
  # shellcheck disable=SC2086
  xdotool mousemove $at click 1
  sleep 0.2
}

# A button press runs the model's Click; a loop pumping once per line fills
# the list with 30000 lines fast.
click Button1
expect_line "Button1Click"
expect_line "Filled 30000"
fill_ms=$(awk '$1 == "FillMs" {print $2}' "$log")
[ -n "$fill_ms" ] && [ "$fill_ms" -lt 5000 ] || fail "filling 30000 lines took ${fill_ms:-?} ms"

# During a long run the pumps keep the window alive: the stop button that the
# run shows can be pressed, and the progress is painted.
click Button4
expect_line "Button4Click"
sleep 1
"$here/window_shot.sh" TDemoForm "$artifacts/forms_demo_running.png" >/dev/null || fail "no screenshot"
click BitBtn1
expect_line "BitBtn1Click"
expect_line "Stopped"

# The key handler takes digits and swallows letters; backspace at the end
# goes through it too.
click Edit1 68
xdotool key BackSpace BackSpace BackSpace
xdotool type --delay 50 "2x5"
sleep 0.3
expect_line "Edit1 25"
grep -q "^Edit1 .*x" "$log" && fail "a swallowed key reached the text"

# Text with diacritics comes back as the program's own code page.
click Edit2
xdotool type --delay 80 "čísla"
sleep 0.3
expect_line "Edit2 čísla"

# The drop-down: the user's pick fires OnChange (setting it from code did not).
grep -q "^ComboBox1Change" "$log" && fail "OnChange fired before the user picked"
click ComboBox1
wait_for_menu || fail "the drop-down list did not open"
xdotool key Down Return
expect_line "ComboBox1Change 1"

click CheckBox1
expect_line "CheckBox1Click 1"
click RadioButton1 6
expect_line "RadioButton1Click"
# A disabled radio button takes no click.
click RadioButton2 6
sleep 0.3
grep -q "^RadioButton2Click" "$log" && fail "the disabled radio button reacted"

"$here/window_shot.sh" TDemoForm "$artifacts/forms_demo.png" >/dev/null || fail "no screenshot"

# The message box is modal and returns to the handler when dismissed.
click Button2
if box=$("$here/find_window.sh" TMessageForm); then
  "$here/window_shot.sh" TMessageForm "$artifacts/forms_demo_message.png" >/dev/null
  read -r bx by < <(xdotool getwindowgeometry --shell "$box" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
  xdotool mousemove $((bx + 20)) $((by + 10))
  xdotool key Return
  expect_line "MessageClosed"
else
  fail "no message box"
fi

# The save dialog starts in the given folder with the proposed name; Enter
# takes it (the default extension is added), Escape cancels.
click Button5
if "$here/find_window.sh" TSaveDialog >/dev/null; then
  "$here/window_shot.sh" TSaveDialog "$artifacts/forms_demo_save.png" >/dev/null
  xdotool key Return
  expect_line "Saved $folder/tikety.txt"
else
  fail "no save dialog"
fi
click Button5
if "$here/find_window.sh" TSaveDialog >/dev/null; then
  sleep 0.3
  xdotool key Escape
  expect_line "SaveCancelled"
else
  fail "no save dialog the second time"
fi

# A modal dialog without a close box: centred on the main form, deaf to the
# close message, blocking the main form, closed by its own button.
click Button3
if dlg=$("$here/find_window.sh" TDemoDialog); then
  "$here/window_shot.sh" TDemoDialog "$artifacts/forms_demo_dialog.png" >/dev/null
  eval "$(xdotool getwindowgeometry --shell "$dlg" | sed 's/^/DLG_/')"
  [ "$DLG_X" = $((X + (330 - 180) / 2)) ] && [ "$DLG_Y" = $((Y + (300 - 90) / 2)) ] ||
    fail "dialog at $DLG_X,$DLG_Y is not centred on the main form at $X,$Y"
  "$close_window" "$dlg"
  sleep 0.5
  grep -qx "DialogClose" "$log" && fail "the close message closed a form without a close box"
  click CheckBox1
  sleep 0.3
  grep -qx "CheckBox1Click 0" "$log" && fail "the main form took a click while the dialog was modal"
  read -r left top w h < <(awk '$2 == "TDemoDialog.Button1" {print $3, $4, $5, $6}' "$log")
  xdotool mousemove $((DLG_X + left + w / 2)) $((DLG_Y + top + h / 2)) click 1
  expect_line "DialogClose"
  expect_line "DialogReturned"
else
  fail "no dialog"
fi

# The close message on the main form is its close box: it closes the form,
# which ends the main loop and the program.
"$close_window" "$wid"
expect_line "FormClose"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  fail "the program did not end after its main form closed"
else
  wait "$pid" || fail "the program ended with status $?"
  expect_line "Ended"
fi

if [ "$failures" -ne 0 ]; then
  echo "--- program output ---"
  cat "$log"
  exit 1
fi
echo "forms_demo: all checks passed (30000 lines with a pump each in ${fill_ms} ms)"

#!/bin/bash
# tivra's first start in a real window (run it inside xvfb_session.sh): from
# an empty folder the language form comes up alone; "Slovensky" and "Ok" write
# lang.ini; the main menu then shows and opens the generator window.
# Screenshots of the three windows go to <artifacts>.
#
#   tivra_first_start_test.sh <tivra> <close_window> <artifacts folder>
set -u
tivra=$1
close_window=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artifacts"
folder=$(mktemp -d)
cp "$tivra" "$folder/tivra"
(cd "$folder" && exec ./tivra) >"$folder/output.txt" 2>&1 &
pid=$!
cleanup() {
  kill "$pid" 2>/dev/null
  rm -rf "$folder"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# Clicks at x,y of a window's client area.
click_at() {
  local wid=$1 x=$2 y=$3
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  xdotool mousemove "$((X + x))" "$((Y + y))" click 1
}

lang_form=$("$here/find_window.sh" Form3) || { cat "$folder/output.txt"; exit 1; }
if xdotool search --onlyvisible --class '^Form1$' >/dev/null 2>&1; then
  fail "the main window shows before the language form is closed"
fi
[ -e "$folder/lang.ini" ] && fail "lang.ini exists before Ok"
sleep 0.3
import -window "$lang_form" "$artifacts/tivra-language-form.png"

click_at "$lang_form" 40 48     # RadioButton1 "Slovensky": 32,40, 17x17
sleep 0.2
click_at "$lang_form" 69 140    # Button1 "Ok": 32,128, 75x25

main_form=$("$here/find_window.sh" Form1) || { fail "no main window after Ok"; exit 1; }
if ! printf '[Lang]\r\nType=SK\r\n' | cmp -s - "$folder/lang.ini"; then
  fail "lang.ini does not hold exactly [Lang] and Type=SK with CR LF:"
  od -c "$folder/lang.ini" 2>&1 | head -n 5
fi
title=$(xprop -id "$main_form" _NET_WM_NAME)
[ "$title" = '_NET_WM_NAME(UTF8_STRING) = "Tivra 1.0"' ] || fail "main window title: $title"
sleep 0.3
import -window "$main_form" "$artifacts/tivra-main-window.png"

click_at "$main_form" 64 68     # Button1 "Vytvor tikety": 16,56, 97x25
generator=$("$here/find_window.sh" Form2) || { fail "no generator window"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$generator")"
[ "$WIDTH" = 341 ] && [ "$HEIGHT" = 444 ] || fail "generator window is ${WIDTH}x${HEIGHT}, not 341x444"
sleep 0.3
import -window "$generator" "$artifacts/tivra-generator-window.png"

click_at "$generator" 305 420   # Button2 "Zatvoriť": 280,408, 51x25
for _ in $(seq 50); do
  xdotool search --onlyvisible --class '^Form2$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --class '^Form2$' >/dev/null 2>&1 && fail "Zatvoriť did not close the generator"

"$close_window" "$main_form"
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "tivra still runs after its main window was closed"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "tivra first start: all checks passed"

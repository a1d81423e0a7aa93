#!/usr/bin/env bash
# Starts tivra on the current display from a scratch folder (with a language
# file, so it goes straight to the main menu), saves a screenshot of the main
# window to $2, and, when $3 is given, presses "Vytvor tikety" and saves the
# generator window to $3. Ends tivra afterwards.
set -euo pipefail
exe="$1"
main_shot="$2"
generator_shot="${3:-}"

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$exe" "$work/tivra"
printf '[Lang]\r\nType=SK\r\n' > "$work/lang.ini"
(cd "$work" && ./tivra) &
pid=$!

wait_window() {  # class -> window id
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --class "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "window $1 did not appear" >&2
  return 1
}

main_id=$(wait_window "^Form1$")
sleep 0.5
import -window "$main_id" "$main_shot"

if [ -n "$generator_shot" ]; then
  # "Vytvor tikety" sits at 16,56 (97x25) in the main window's client area.
  xdotool mousemove --window "$main_id" 60 68 click 1
  gen_id=$(wait_window "^Form2$")
  sleep 0.5
  import -window "$gen_id" "$generator_shot"
fi

#!/bin/bash
# Saves a screenshot of the first visible window of an X class (a form's
# Name, e.g. TForm3) as a PNG, waiting up to 10 seconds for the window.
# Prints the window id.
#
#   tests/gui/window_shot.sh <xclass> <out.png>
set -u
if [ $# -ne 2 ]; then
  echo "usage: $0 <xclass> <out.png>" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
id=$("$here/find_window.sh" "$1") || exit 1
mkdir -p "$(dirname "$2")"
# The shot is taken from the screen, so the window goes on top first; and a
# window that has just appeared is let finish painting.
xdotool windowraise "$id" 2>/dev/null
sleep 0.3
import -window "$id" "$2" || exit 1
echo "$id"

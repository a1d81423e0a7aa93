#!/bin/bash
# Prints the id of the first visible window whose X class is exactly the
# given one (a form's Name, e.g. TForm3; message boxes are TMessageForm),
# waiting up to the given number of seconds (default 10) for it to appear.
# Exits 1 when none appears.
#
#   tests/gui/find_window.sh <xclass> [seconds]
set -u
if [ $# -lt 1 ]; then
  echo "usage: $0 <xclass> [seconds]" >&2
  exit 2
fi
class=$1
tries=$(( ${2:-10} * 10 ))
for _ in $(seq "$tries"); do
  id=$(xdotool search --onlyvisible --class "^${class}\$" 2>/dev/null | head -n 1)
  if [ -n "$id" ]; then
    echo "$id"
    exit 0
  fi
  sleep 0.1
done
echo "find_window: no visible window of class $class" >&2
exit 1

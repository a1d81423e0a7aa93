#!/bin/sh
# Draws the programs' pictures with ImageMagick and writes them as XPM text
# that the back-end compiles in (programs run from any folder, so the
# pictures travel inside the executable). Run it from anywhere after changing
# a picture; the .xpm files it writes are kept in the repository.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# to_xpm <png> <symbol> <colours>: quantises the picture and writes
# <symbol>.xpm as a constant C array named <symbol>_xpm.
to_xpm() {
  if [ -n "${PREVIEW_DIR:-}" ]; then cp "$1" "$PREVIEW_DIR/"; fi
  convert "$1" -dither None -colors "$3" "$work/$2.xpm"
  sed -e "1,/^static/ s/^static .*\\[\\] = {/static const char* const $2_xpm[] = {/" \
      "$work/$2.xpm" > "$here/$2.xpm"
}

# Main menu: black, the product name in light letters, a thin frame and a
# row of lottery balls under the two buttons.
convert -size 113x137 xc:black \
  -fill none -stroke '#707070' -strokewidth 1 -draw 'rectangle 2,2 110,134' \
  -stroke '#303030' -draw 'rectangle 4,4 108,132' \
  -stroke none -fill '#E8E8E8' -font "$bold" -pointsize 22 \
  -gravity north -annotate +0+10 'TIVRA' -gravity northwest \
  -fill '#A0A0A0' -draw 'rectangle 16,38 96,39' \
  -fill '#D03020' -draw 'circle 20,119 27,119' \
  -fill '#E0B020' -draw 'circle 38,119 45,119' \
  -fill '#30A040' -draw 'circle 56,119 63,119' \
  -fill '#2060D0' -draw 'circle 74,119 81,119' \
  -fill '#E8E8E8' -draw 'circle 92,119 99,119' \
  -fill white -draw 'circle 18,117 19,116' -draw 'circle 36,117 37,116' \
  -draw 'circle 54,117 55,116' -draw 'circle 72,117 73,116' \
  -fill '#C0C0C0' -draw 'circle 90,117 91,116' \
  "$work/main_menu.png"
to_xpm "$work/main_menu.png" main_menu 48

# Generator window: a silver tile with a faint brushed grain; blurring with
# tiled virtual pixels keeps its edges seamless.
convert -size 128x128 xc:gray50 -seed 11 +noise Random \
  -virtual-pixel tile -motion-blur 0x5+0 -colorspace Gray \
  -auto-level +level 70%,82% \
  "$work/background.png"
to_xpm "$work/background.png" background 10

# Panels: silver, a finer and fainter grain than the window behind them.
convert -size 128x128 xc:gray50 -seed 5 +noise Random \
  -virtual-pixel tile -blur 0x0.8 -colorspace Gray \
  -auto-level +level 74%,81% \
  "$work/panel_background.png"
to_xpm "$work/panel_background.png" panel_background 8

# Language form: a dark blue fading to black with a few faint rings.
convert -size 121x153 gradient:'#1C2C50-#000000' \
  -fill none -stroke '#24365E' -strokewidth 1 \
  -draw 'circle 100,130 100,90' -draw 'circle 100,130 100,70' \
  -stroke '#3A4A70' -draw 'line 4,26 116,26' \
  "$work/language_background.png"
to_xpm "$work/language_background.png" language_background 24

# Stop sign: a red ring with a diagonal bar on a transparent ground.
convert -size 15x15 xc:none +antialias \
  -fill none -stroke '#D00000' -strokewidth 2 -draw 'circle 7,7 7,1' \
  -draw 'line 3,3 11,11' \
  "$work/stop_sign.png"
to_xpm "$work/stop_sign.png" stop_sign 4

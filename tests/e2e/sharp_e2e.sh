#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window at 200 % (QT_SCALE_FACTOR=2) is sharp. Its mouse picture, all skin art and no
# text, is compared with the same picture at 100 % enlarged to twice the size with every pixel
# doubled, which is what the window shows when it has only the 100 % images: the 200 % picture
# carries detail finer than a window pixel where the enlarged one has none, its edges are
# crisper, and reduced to half its size it is the same picture in the same place. Run
# once more without the twice-sized images, the same measure finds no such detail.
#   usage: sharp_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
XVFB_SCREEN=2600x1700x24   # room for the window at 200 %
. "$(dirname "$0")/e2e_lib.sh" "$@"

# The mouse area of the main window: 472 x 496 window pixels at (262, 4).
mouse_area() {  # mouse_area SCALE SCREENSHOT OUT
  convert "$2" -crop "$((472 * $1))x$((496 * $1))+$((262 * $1))+$((4 * $1))" +repage "$3"; }
# The root mean square difference of two pictures, 0..1.
rms() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\))/\1/p'; }
# Detail finer than a window pixel: how far the picture differs from itself with each block of
# 2 x 2 device pixels (one window pixel) replaced by its mean.
fine_detail() { convert "$1" -scale 50% -scale 200% "$W/blocks.png"; rms "$1" "$W/blocks.png"; }
# Crispness of edges: the spread of the picture's Laplacian.
edges() { convert "$1" -colorspace gray -define convolve:scale='!' \
  -morphology Convolve Laplacian:0 -format '%[fx:standard_deviation]' info:; }
above() { awk "BEGIN { exit !($1 > $2) }"; }

at_twice() {  # at_twice BIN OUT: the main window of the program in BIN at 200 %, its mouse area
  stop_app; BIN=$1; export QT_SCALE_FACTOR=2 MAIN_WIDTH=2000; start_app
  main_shown && pass "the window shows at 200 % ($1)" || fail "no main window at 200 % ($1)"
  import -window "$(main_window)" "$OUT/$2.png"
  mouse_area 2 "$OUT/$2.png" "$W/$2-mouse.png"
}

xdotool mousemove 0 0   # the pointer away from the window, so that no part of the mouse is lit
main_shown && pass "the window shows at 100 %" || fail "no main window at 100 %"
import -window "$(main_window)" "$OUT/01-scale-1.png"
mouse_area 1 "$OUT/01-scale-1.png" "$W/once.png"
convert "$W/once.png" -scale 200% "$W/enlarged.png"
program=$BIN
at_twice "$program" 02-scale-2

detail=$(fine_detail "$W/02-scale-2-mouse.png") enlarged=$(fine_detail "$W/enlarged.png")
echo "detail finer than a window pixel: $detail at 200 %, $enlarged enlarged"
check "the picture at 200 % has detail the enlarged one cannot have" above "$detail" 0.01
echo "edges: $(edges "$W/02-scale-2-mouse.png") at 200 %, $(edges "$W/enlarged.png") enlarged"
check "its edges are crisper" above "$(edges "$W/02-scale-2-mouse.png")" \
  "$(edges "$W/enlarged.png")"
convert "$W/02-scale-2-mouse.png" -scale 50% "$W/reduced.png"
echo "reduced to 100 %, it differs from the 100 % picture by $(rms "$W/reduced.png" "$W/once.png")"
check "reduced, it is the same picture in the same place" \
  above 0.02 "$(rms "$W/reduced.png" "$W/once.png")"

# The measure itself: the program with its 100 % images only shows no finer detail.
mkdir -p "$W/plain" && cp -r "$program"/. "$W/plain"/
find "$W/plain/Skins" -name '*@2x.png' -delete
at_twice "$W/plain" 03-scale-2-without-twins
plain=$(fine_detail "$W/03-scale-2-without-twins-mouse.png")
echo "without the twice-sized images: $plain"
check "without the twice-sized images the measure finds no finer detail" above 0.01 "$plain"
finish

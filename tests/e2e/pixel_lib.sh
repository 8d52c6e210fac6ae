#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a window shows, as pixels: the checks that a view changed where it must (a swatch
# after the colour chooser, a label box after an assignment) or stayed as it was. Sourced
# after e2e_lib.sh.
# crop WINDOW X Y WIDTH HEIGHT FILE: that part of the window as the screen shows it.
crop() { import -window "$1" -crop "$4x$5+$2+$3" +repage "$6" 2>/dev/null; }
# same_image A B: not one pixel differs.
same_image() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
# colour_at WINDOW X Y: the colour of one pixel as R,G,B.
colour_at() {
  import -window "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- 2>/dev/null |
    sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p'; }
# colour_is WINDOW X Y R,G,B
colour_is() { [ "$(colour_at "$1" "$2" "$3")" = "$4" ]; }

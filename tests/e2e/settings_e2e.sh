#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings column end to end: every section opened, a DPI stage switched off, a slider
# dragged, a colour chosen in the colour chooser, Neon lighting at step 5, 1000 Hz, the pointer
# dials, the wheel lines by the arrows, the column scrolled by the wheel and by the bar's
# arrows; Apply, then the profile file and the simulated mouse hold exactly those values.
#   usage: settings_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
. "$(dirname "$0")/e2e_lib.sh" "$@"
. "$(dirname "$0")/pixel_lib.sh"

# The column's content at scroll position P: window y = 32 + content y - P; x = 735 + x.
HOST_X=735 HOST_Y=32
point() { click_in $((HOST_X + $1)) $((HOST_Y + $2 - ${3:-0})); }
at() { main_redrawn point "$@"; }   # at X Y [P]: a click that changes the column
press_drag() {  # press_drag X1 Y1 X2 Y2 (window coordinates)
  local win; win=$(main_window) || return 1
  xdotool mousemove --window "$win" "$1" "$2" mousedown 1 \
    mousemove --window "$win" "$3" "$4" mouseup 1; }
drag() { main_redrawn press_drag "$@"; }
byte_at() { od -A n -t u1 -j "$1" -N 1 "$data/config0.bin" | tr -d ' '; }
# Record byte N is byte N + 1 of the profile file.
holds() { [ "$(byte_at $(($1 + 1)))" = "$2" ]; }

main_shown && pass "the main window shows" || fail "no main window"
shot 01-closed

# Every section, from the last title up, so that the titles above do not move.
for top in 127 102 77 52 27 2; do at 100 $((top + 10)); done
shot 02-all-open

at 104 228                           # stage 3's toggle: off
drag 805 154 805 40                  # stage 2's slider to its top
shot 03-dpi
point 40 242                         # stage 1's swatch: the colour chooser
chooser() { xdotool search --all --onlyvisible --pid "$APP" --name 'Select Color' 2>/dev/null | head -1; }
wait_for 5 chooser && pass "the swatch opens the colour chooser" || fail "no colour chooser"
shot 04-colour-chooser
# The chooser's HTML field (Alt+H) takes the colour as text.
key_in "$(chooser)" --delay 50 alt+h ctrl+a
xdotool type --delay 50 '#0c2238'
xdotool key Return
check "the chooser closes" wait_for 5 sh -c '[ -z "$(xdotool search --onlyvisible --name "Select Color")" ]'
check "stage 1's swatch shows the colour chosen" wait_for 5 colour_is "$(main_window)" 775 274 12,34,56
shot 05-colour-chosen

at 15 359                            # the Neon mark
drag 840 391 945 391                 # its slider to step 5
at 156 445                           # the 1000 Hz quarter
shot 06-lighting-polling

# Down the column: five wheel notches (60 pixels each), then the bar's arrow twice.
win=$(main_window); xdotool mousemove --window "$win" 850 300
for _ in 1 2 3 4 5; do main_redrawn xdotool click 5; done
shot 07-wheel
# Two clicks on the arrow; a second press within a few pixels of the first would be a double
# click, which the bar swallows.
for y in 581 589; do main_redrawn click_in 988 "$y"; done
shot 08-bar-arrows
P=380
at 171 $((572 + 86)) $P              # pointer speed: the right end, step 11
at 61 $((705 + 86)) $P               # double-click: the left end, step 1
for _ in 1 2 3 4; do at 195 $((838 + 18)) $P; done   # wheel lines 3 -> 7
shot 09-pointer-panels

before=$(md5sum <"$data/config0.bin")
saved() { [ "$(md5sum <"$data/config0.bin")" != "$before" ]; }
column_unchanged() { crop "$(main_window)" 735 32 260 561 "$W/column-after.png" &&
  same_image "$W/column-before.png" "$W/column-after.png"; }
crop "$(main_window)" 735 32 260 561 "$W/column-before.png"
applied() { apply && saved; }
check "Apply saves the profile" applied
check "the settings column keeps its open sections after Apply" wait_for 5 column_unchanged
shot 10-applied

check "stage 3 is off" holds 17 0
check "stage 2 at its top code 54" holds 8 54
check "stage 1 is red 12" holds 23 12
check "green 34" holds 24 34
check "blue 56" holds 25 56
check "the lighting is Neon" holds 47 3
check "at step 5" holds 50 5
check "the polling divisor is 1 (1000 Hz)" holds 5 1
check "the pointer speed is 11" holds 54 11
check "the double-click step is 1" holds 56 1
check "the wheel takes 7 lines" holds 55 7
check "in lines mode" holds 53 0
check "the mouse polls at 1000 Hz" wait_for 5 described 'polling divisor: 1$'
check "the mouse has stage 2 at 6000, stage 3 off" described 'DPI levels: 04 5D 93 1D 27 5D'
check "the mouse has stage 1's colour" described 'DPI colours: 0C 22 38 00 00 FF'
check "the mouse has Neon at step 5" described 'lighting: 03 05'

finish

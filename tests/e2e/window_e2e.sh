#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on a real desktop: a tap on its background leaves it where it is, and after
# Minimise a double click on the tray icon brings it back.
#   usage: window_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
. "$(dirname "$0")/e2e_lib.sh" "$@"

position() { xdotool getwindowgeometry "$(main_window)" | grep Position; }
main_shown && pass "the main window shows" || fail "no main window"
before=$(position)
win=$(main_window)
xdotool mousemove --window "$win" 600 40 mousedown 1 mouseup 1   # a touchpad tap
xdotool mousemove 200 600
# The pointer then rests on Minimise, whose picture changes under it: once the window shows
# that, it has handled every move before.
main_redrawn xdotool mousemove --window "$win" 965 12 || fail "Minimise shows no hover picture"
after=$(position)
[ "$before" = "$after" ] && pass "a tap on the background leaves the window in place" ||
  fail "the window followed the pointer after a tap ($before -> $after)"
shot 01-after-tap

click_in 965 12   # Minimise
check "Minimise hides the window" wait_for 5 no_main_window
ICON=$(tray_icon) && xdotool mousemove --window "$ICON" 5 5 click --repeat 2 --delay 80 1
check "a double click on the tray icon brings it back" wait_for 5 main_window
shot 02-restored
finish

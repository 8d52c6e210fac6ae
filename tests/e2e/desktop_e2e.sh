#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The application on a real, headless desktop: Xvfb, a window manager, an XEmbed tray and a
# notification daemon on a private session bus, with the simulated mouse driven through
# standard input. Screenshots of each step go to OUT.
#   usage: desktop_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
. "$(dirname "$0")/e2e_lib.sh" "$@"

splash() { xdotool search --onlyvisible --pid "$APP" 2>/dev/null | grep -q . && ! main_window; }
wait_for 15 splash; shot 01-splash
main_shown && pass "the main window shows after the splash" || fail "no main window"
shot 02-main-window
check "the tray icon is there" wait_for 10 tray_icon

click_in 986 12
check "Close hides the window" wait_for 5 no_main_window
check "the tray icon stays" tray_icon
shot 03-closed

ICON=$(tray_icon) && xdotool mousemove --window "$ICON" 5 5 click --repeat 2 --delay 80 1
check "a double click on the tray icon shows the window again" wait_for 5 main_window
shot 04-shown-from-tray

main_redrawn click_in 141 167      # open the axis section
main_redrawn click_in 240 206      # the X slider near its right end
shot 05-axis-section
before=$(md5sum <"$data/config0.bin")
saved() { [ "$(md5sum <"$data/config0.bin")" != "$before" ]; }
ended=$(writes_ended)
main_redrawn click_in 951 619      # Apply: the window shows its progress
shot 06-applying
ended_saved() { wait_for 30 ended_since "$ended" && saved; }
check "Apply ends with the profile saved" ended_saved
check "and the simulated mouse holds the record" wait_for 5 described 'sensitivity: 2[02]0'
shot 07-applied

say unplug
check "unplug hides the window" wait_for 5 no_main_window
check "the warning reaches the user" wait_for 5 balloon
shot 08-unplugged-warning
check "unplug removes the tray icon" wait_for 10 no_tray_icon
shot 09-unplugged

say plug
check "plug brings the tray icon back" wait_for 10 tray_icon
check "with its Info notice" wait_for 5 balloon
shot 10-plugged

"$BIN/vorlak" --simulate --data-dir "$data" </dev/null >"$W/second.out" 2>&1 & SECOND=$!; PIDS+=($SECOND)
check "a second start ends by itself" wait_for 10 sh -c "! kill -0 $SECOND"
check "and leaves the first running" kill -0 "$APP"
[ "$(xdotool search --onlyvisible --name '^Vorlak$' 2>/dev/null | wc -l)" -le 1 ] &&
  pass "one instance on screen" || fail "a second window"

no_balloon() { ! balloon; }
wait_for 10 no_balloon
ICON=$(tray_icon) && xdotool mousemove --window "$ICON" 5 5 click 3
menu_shown; shot 11-tray-menu
xdotool key Down Down Return   # the item above Exit starts with the desktop
check "Exit from the tray menu ends the program" wait_for 10 sh -c "! kill -0 $APP"

# Without any tray the notices go to the desktop's notification service.
kill "$TRAYER"; wait "$TRAYER" 2>/dev/null
"$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >"$W/vorlak2.out" 2>"$W/vorlak2.err" &
APP=$!; PIDS+=($APP)
exec 3>"$W/mouse"
main_shown
notified() { dunstctl history | grep -q "$1"; }   # shown and closed again
on_screen() { [ "$(dunstctl count displayed)" -ge 1 ]; }
say unplug
wait_for 10 on_screen && wait_for 5 xdotool search --onlyvisible --class '^Dunst$' &&
  shot 12-no-tray-warning
check "without a tray the warning reaches the notification service" \
    wait_for 10 notified "The system did not detect Vorlak!"
say plug
check "and so does the Info notice" wait_for 10 notified "The system detect Vorlak."
kill "$APP"

finish

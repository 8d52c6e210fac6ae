#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings column and the profile manager on Wayland: a DPI slider dragged, the polling
# dial clicked, the colour chooser opened over the window; Apply, then config0.bin and the
# simulated mouse hold them; the profile manager opens, adds a profile and closes (str.ini).
#   usage: settings_e2e.sh BIN_DIR OUT   (run_wayland.sh gives it its compositor and session)
. "$(dirname "$0")/wayland_lib.sh" "$@"

# The column's content: window x = 735 + x, y = 32 + y.
at() { click_in $((735 + $1)) $((32 + $2)); }
holds() { [ "$(od -A n -t u1 -j $(($1 + 1)) -N 1 "$data/config0.bin" | tr -d ' ')" = "$2" ]; }
window_drag() {  # window_drag X1 Y1 X2 Y2: with the left button held, in window points
  local p1 p2; p1=$(at_window "$(main_window)" "$1" "$2") p2=$(at_window "$(main_window)" "$3" "$4")
  drag $p1 $p2; }

wait_for 20 main_window_painted && pass "the main window shows" || fail "no main window"
# Every section, from the last title up, so that the titles above keep their places.
for top in 127 102 77 52 27 2; do at 100 $((top + 10)); done
shot 01-all-open

window_drag 805 154 805 40                          # stage 2's slider to its top
at 156 445                                          # the 1000 Hz quarter of the polling dial
shot 02-dpi-polling
at 40 242                                           # stage 1's swatch: the colour chooser
chooser() { swaymsg -t get_tree | jq -r '.. | objects | select(.name? == "Select Color") |
    "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)"' | grep .; }
check "the swatch opens the colour chooser" wait_for 10 chooser
win=($(main_window)) dlg=($(chooser))
check "over the main window" test "${dlg[0]}" -ge "${win[1]}" -a $(( dlg[0] + dlg[2] )) -le $(( win[1] + win[3] )) \
    -a "${dlg[1]}" -ge "${win[2]}" -a $(( dlg[1] + dlg[3] )) -le $(( win[2] + win[4] ))
chooser_painted() { [ "$(pixel $(( dlg[0] + 4 )) $(( dlg[1] + 4 )))" = "30 30 35" ]; }   # its dark window
check "the chooser is drawn in the window's colours" wait_for 5 chooser_painted
shot 03-colour-chooser
key Escape
no_chooser() { ! chooser; }
check "Escape closes the chooser" wait_for 5 no_chooser

before=$(md5sum <"$data/config0.bin")
saved() { [ "$(md5sum <"$data/config0.bin")" != "$before" ]; }
click_in 951 619                                    # Apply
check "Apply saves the profile" wait_for 30 saved
check "stage 2 at its top code 54" holds 8 54
check "the polling divisor is 1 (1000 Hz)" holds 5 1
check "the mouse polls at 1000 Hz" wait_for 10 described 'polling divisor: 1$'
check "the mouse has stage 2 at 6000 DPI" wait_for 10 described 'DPI levels: 04 5D'
shot 04-applied

# The profile manager over the left column: New, then its close button.
new_at() { local win=($(main_window)); pixel $(( win[1] + 50 )) $(( win[2] + 586 )); }
covered=$(new_at)
manager_open() { [ "$(new_at)" != "$covered" ]; }
click_in 54 619
check "the profile manager opens over the left column" wait_for 5 manager_open
shot 05-profile-manager
click_in 50 586                                     # New
click_in 247 15                                     # close: the list is committed
check "the profile manager added a profile" wait_for 10 grep -qx 'ItemCount=2' "$data/str.ini"
shot 06-profile-added

finish

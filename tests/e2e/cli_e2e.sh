#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What vorlakctl sets is what the window shows after a start and what its Apply sends to the
# simulated mouse: a DPI stage, a multimedia button, the sensitivity and a macro on a button.
#   usage: cli_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
before_start() {
  local ctl=("$BIN/vorlakctl" --data-dir "$1")
  { "${ctl[@]}" dpi 2 1200 colour 00FF80 && "${ctl[@]}" assign 4 media mute &&
    "${ctl[@]}" sensitivity 9 3 && "${ctl[@]}" macro new Reload &&
    "${ctl[@]}" macro set Reload --loop 2 'R Dn' '95 ms' 'R Up' &&
    "${ctl[@]}" assign 7 macro Reload; } >/dev/null || echo "FAIL: vorlakctl edits"
}
. "$(dirname "$0")/e2e_lib.sh" "$@"

main_shown && pass "the main window shows" || fail "no main window"
main_redrawn click_in 141 116   # open the Button Assignment section: the labels vorlakctl set
shot 01-started-labels
before=$(stat -c %y "$data/config0.bin")
saved() { [ "$(stat -c %y "$data/config0.bin")" != "$before" ]; }
applied() { apply && saved; }
check "Apply ends with the profile saved" applied
check "the mouse holds the DPI stage" wait_for 5 described 'DPI levels: 04 0B'
check "and its colour" described 'DPI colours: FF 00 00 00 FF 80'
check "the button plays Mute" described 'key matrix 0: 01 00 F0 00 01 00 F1 00 01 00 F2 00 01 00 F4 00 03 00 E2 00'
check "the macro button" described 'key matrix 0: .* 09 00 01 00'
check "the macro" described 'macro 1: 00 02 09 15 81 15'
check "the sensitivity" described 'sensitivity: 180 60'
shot 02-applied
finish

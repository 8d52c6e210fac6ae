#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The assignment menus, dialogs and record checks of the end-to-end runs; sourced after
# e2e_lib.sh by the runs that assign buttons.
# Client pixels of the left column: the section header and the label box of each entry.
box_y() { echo $((141 + 20 * $1)); }
open_box() { click_in 185 "$(box_y "$1")"; }

# The visible popup menu of the program that is WIDTH pixels wide (item width + frame).
popup() { for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Geometry: $1x" && { echo "$w"; return 0; }
  done; return 1; }
no_popup() { ! popup "$1"; }
# Points at item INDEX (from 0) of a menu window: 3 pixels of frame, 20 per item.
point_item() { xdotool mousemove --window "$1" 30 $((3 + 20 * $2 + 10)); }
click_item() { point_item "$1" "$2"; sleep 0.2; xdotool click 1; }
# Chooses item INDEX of the top menu, or item SUB of the submenu (WIDTH wide) that item
# INDEX opens, with a screenshot named SHOT while both are open.
choose() {  # choose INDEX [SUB WIDTH [SHOT]]
  local top sub; top=$(wait_for 5 popup 126 && popup 126) || return 1
  if [ $# -eq 1 ]; then click_item "$top" "$1"; return; fi
  point_item "$top" "$1"; wait_for 5 popup "$3" || return 1
  sub=$(popup "$3"); point_item "$sub" "$2"; sleep 0.3
  [ -z "${4:-}" ] || shot "$4"
  xdotool click 1; }
# The dialogs of the program by their size.
dialog() { for w in $(xdotool search --onlyvisible --pid "$APP" --name '^Vorlak$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Geometry: $1" && { echo "$w"; return 0; }
  done; return 1; }
key_dialog() { dialog 384x285; }
picker() { dialog 396x292; }
no_picker() { ! picker; }
no_key_dialog() { ! key_dialog; }
click_dialog() { local d; d=$($1) && xdotool mousemove --window "$d" "$2" "$3" click 1; }

# Record bytes by their offset in the record (the file starts with its first-run flag), the
# labels by entry, the key matrices as the mouse holds them.
byte_at() { od -An -tu1 -j $(($1 + 1)) -N1 "$data/config0.bin" | tr -d ' '; }
label_of() { grep -q "^Item$(($1 + 1))=$2\$" "$data/str0.ini"; }
slot_is() {  # slot_is MATRIX SLOT "B0 B1 B2 B3"
  say describe; sleep 0.3
  grep "^key matrix $1:" "$W/vorlak.out" | tail -1 | cut -d: -f2 |
    awk -v s="$2" -v want="$3" '{ got = $(4*s+1) " " $(4*s+2) " " $(4*s+3) " " $(4*s+4);
                                  exit !(got == want) }'; }
# Apply, until it has ended: its last step hands the pointer settings to the desktop, whose
# missing wheel setting leaves a diagnostic line each time.
writes_ended() { grep -c 'SETWHEELSCROLLLINES failed' "$W/vorlak.err"; }
ended_since() { [ "$(writes_ended)" -gt "$1" ]; }
apply() { local ended; ended=$(writes_ended)
  click_in 951 619
  wait_for 30 ended_since "$ended" && sleep 0.3; }
# Picks macro ROW of the picker's list and play mode MODE (0..2).
pick_macro() {  # pick_macro ROW MODE
  click_dialog picker 96 136; sleep 0.3   # the drop-down
  click_dialog picker 80 $((154 + 16 * $1)); sleep 0.3
  click_dialog picker 228 $((86 + 50 * $2)); sleep 0.2
}

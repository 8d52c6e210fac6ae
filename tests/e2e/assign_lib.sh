#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The assignment menus, dialogs and record checks of the end-to-end runs; sourced after
# e2e_lib.sh by the runs that assign buttons.
# Client pixels of the left column: the section header and the label box of each entry.
box_y() { echo $((141 + 20 * $1)); }
open_box() { click_in 185 "$(box_y "$1")"; }

# Chooses item INDEX of the menu, or item SUB of the submenu that item INDEX opens, with a
# screenshot named SHOT while both are open. The menus are as wide as their texts: the
# submenu is the popup that is not the menu.
choose() {  # choose INDEX [SUB [SHOT]]
  local top sub; top=$(wait_for 5 popup_menu && popup_menu) || return 1
  if [ $# -eq 1 ]; then click_item "$top" "$1"; return; fi
  point_item "$top" "$1"; wait_for 5 popup_besides "$top" || return 1
  sub=$(popup_besides "$top"); redrawn "$sub" point_item "$sub" "$2"
  [ -z "${3:-}" ] || shot "$3"
  xdotool click 1; }
# The dialogs of the program by their size.
dialog() { for w in $(xdotool search --all --onlyvisible --pid "$APP" --name '^Vorlak$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Geometry: $1" && { echo "$w"; return 0; }
  done; return 1; }
key_dialog() { dialog 384x285; }
picker() { dialog 396x292; }
no_picker() { ! picker; }
no_key_dialog() { ! key_dialog; }
# The visible window of the program that window PARENT owns (a dialog's message box).
owned_by() { local parent w; parent=$(printf '0x%x' "$1") || return 1
  for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    xprop -id "$w" WM_TRANSIENT_FOR 2>/dev/null | grep -q "# $parent\$" && { echo "$w"; return 0; }
  done; return 1; }
click_dialog() { local d; d=$($1) && xdotool mousemove --window "$d" "$2" "$3" click 1; }

# Record bytes by their offset in the record (the file starts with its first-run flag), the
# labels by entry, the key matrices as the mouse holds them.
byte_at() { od -An -tu1 -j $(($1 + 1)) -N1 "$data/config0.bin" | tr -d ' '; }
label_of() { grep -q "^Item$(($1 + 1))=$2\$" "$data/str0.ini"; }
slot_is() {  # slot_is MATRIX SLOT "B0 B1 B2 B3"
  description | grep "^key matrix $1:" | tail -1 | cut -d: -f2 |
    awk -v s="$2" -v want="$3" '{ got = $(4*s+1) " " $(4*s+2) " " $(4*s+3) " " $(4*s+4);
                                  exit !(got == want) }'; }
# Picks macro ROW of the picker's list and play mode MODE (0..2). The list shows before a row
# is clicked; the picker takes its clicks in order.
pick_macro() {  # pick_macro ROW MODE
  redrawn root click_dialog picker 96 136 &&   # the drop-down
    redrawn root click_dialog picker 80 $((154 + 16 * $1)) &&
    click_dialog picker 228 $((86 + 50 * $2))
}
# Keys the key capture took (VORLAK_DEBUG lines of the program): VK is the virtual key in
# hexadecimal; grabs counts the keyboard grabs.
captured() { grep -c "^vk code=$1," "$W/vorlak.err"; }
captured_since() { [ "$(captured "$1")" -gt "$2" ]; }
grabs() { grep -c 'X11KeyCapture: keyboard grabbed' "$W/vorlak.err"; }
grabbed_since() { [ "$(grabs)" -gt "$1" ]; }
# press KEY VK: a key through XTEST, until the key capture has taken it.
press() { local before; before=$(captured "$2"); xdotool key "$1"
  wait_for 5 captured_since "$2" "$before"; }

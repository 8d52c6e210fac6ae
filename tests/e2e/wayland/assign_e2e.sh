#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Button assignment on Wayland: a label box opens its menu beside the box, the key capture
# dialog takes the keys while it has the focus (wev, focused before, is the witness that no
# key leaks), the desktop's shortcut keys come to it through the shortcuts inhibitor, and
# where the compositor refuses that the dialog says so; Apply, then config0.bin and the
# simulated mouse hold the choices.
#   usage: assign_e2e.sh BIN_DIR OUT   (run_wayland.sh gives it its compositor and session)
. "$(dirname "$0")/wayland_lib.sh" "$@"

box_y() { echo $((141 + 20 * $1)); }   # the middle of entry K's label box, in the window
byte_at() { od -An -tu1 -j $(($1 + 1)) -N1 "$data/config0.bin" | tr -d ' '; }
label_of() { grep -q "^Item$(($1 + 1))=$2\$" "$data/str0.ini"; }
slot_is() {  # slot_is MATRIX SLOT "B0 B1 B2 B3"
  describe && last_description | grep "^key matrix $1:" | cut -d: -f2 |
    awk -v s="$2" -v want="$3" '{ got = $(4*s+1) " " $(4*s+2) " " $(4*s+3) " " $(4*s+4);
                                  exit !(got == want) }'; }
menu_colour="111 41 41"
# The assignment menu of entry K lies 5 pixels right of its box, level with its top.
menu_at() { local win=($(main_window)); echo $(( win[1] + 255 )) $(( win[2] + 133 + 20 * $1 )); }
menu_open() { local at=($(menu_at "$1")); [ "$(pixel $(( at[0] + 60 )) $(( at[1] + 8 )))" = "$menu_colour" ]; }
menu_closed() { ! menu_open "$1"; }
submenu_open() { [ "$(pixel "$1" "$2")" = "$menu_colour" ]; }
lit() { [ "$(pixel "$1" "$2")" = "143 32 32" ]; }   # the item under the pointer
choose() {  # choose K ITEM [SUB [SHOT]]: item ITEM of entry K's menu, or item SUB of its submenu
  local at=($(menu_at "$1")) y
  y=$(( at[1] + 13 + 20 * $2 ))
  glide $(( at[0] + 30 )) "$y" || return 1
  if [ $# -ge 3 ]; then
    wait_for 5 submenu_open $(( at[0] + 200 )) $(( y - 11 )) || return 1   # its top edge
    glide $(( at[0] + 200 )) "$y" && glide $(( at[0] + 200 )) $(( y + 20 * $3 )) || return 1
    [ -z "${4:-}" ] || { wait_for 5 lit $(( at[0] + 200 )) $(( y + 20 * $3 )); shot "$4"; }
  fi
  pointer click; }
key_dialog() { window_sized 384 285; }
no_key_dialog() { ! key_dialog; }
click_dialog() { local d; d=$(key_dialog) && click_at $(at_window "$d" "$1" "$2"); }
changed_since() { [ "$(stat -c %Y%N "$data/config0.bin" 2>/dev/null; md5sum <"$data/config0.bin")" != "$1" ]; }
apply() { local before; before="$(stat -c %Y%N "$data/config0.bin"; md5sum <"$data/config0.bin")"
  click_in 951 619 && wait_for 30 changed_since "$before"; }
captured() { logged "vk code=$1,"; }

wait_for 20 main_window_painted && pass "the main window shows" || fail "no main window"

# The witness: wev takes the focus and receives keys.
stdbuf -oL wev -f wl_keyboard:key >"$W/wev.log" 2>&1 & WEV=$!; PIDS+=($WEV)
check "the witness shows and has the focus" wait_for 10 focused "$WEV"
key x
check "the witness receives keys while it has the focus" wait_for 5 grep -q "sym: x" "$W/wev.log"
witnessed() { grep -c "state: 1 (pressed)" "$W/wev.log"; }

click_in 141 117                                   # the button assignment section
# Button 4 (entry 3): Multimedia Commands + / Mute, through the submenu.
click_in 185 "$(box_y 3)"
check "the menu opens beside the label box" wait_for 5 menu_open 3
shot 01-menu-beside-box
choose 3 8 5 02-submenu-beside-menu || fail "the multimedia submenu"
check "the menu closes after the choice" wait_for 5 menu_closed 3
shot 03-button4-mute

# Button 2 (entry 1): a keyboard key. The dialog takes the focus from the main window.
click_in 185 "$(box_y 1)"
wait_for 5 menu_open 1 && choose 1 11 || fail "the keyboard key item"
check "the key capture dialog opens" wait_for 10 key_dialog
check "it has the keyboard focus" wait_for 10 logged "WaylandKeyCapture: keyboard focus"
check "the compositor hands it the desktop's shortcuts" wait_for 5 logged "desktop shortcuts come to the capture"
before=$(witnessed)
key a
check "the dialog captured A" wait_for 5 captured 41
shot 04-key-dialog-A
key Return Escape space
check "Enter, Escape and Space do not close the dialog" key_dialog
input keydown Super_L && key F12 && input keyup Super_L
check "Super+F12 reached the dialog (Left Windows, F12)" wait_for 5 sh -c "grep -q 'vk code=5b,' '$LOG' && grep -q 'vk code=7b,' '$LOG'"
check "and not the desktop's shortcut" test ! -e "$W/desktop-shortcut"
check "the dialog shows no note about shortcuts" sh -c "! grep -q 'stay with the desktop' '$LOG'"
key a
check "the witness received no key while the dialog was open" test "$(witnessed)" = "$before"
wait_for 5 captured 41
click_dialog 276 262                               # OK
check "OK closes the dialog" wait_for 5 no_key_dialog
apply && pass "Apply saves the profile" || fail "Apply"
check "config0.bin holds usage 4 for entry 1" test "$(byte_at 189)" = 4
check "as a keyboard key" test "$(byte_at 63)" = 10
check "with the label Assign Keyboard Key-A" wait_for 5 label_of 1 "Assign Keyboard Key-A"
check "config0.bin holds Mute for entry 3" test "$(byte_at 65):$(byte_at 107)" = 7:226
check "the mouse's base matrix holds 03 00 E2 00 in Button 4's slot" wait_for 5 slot_is 0 4 "03 00 E2 00"
shot 05-applied

# The witness gets the next key once it has the focus again.
click_at 640 870
check "the witness has the focus again" wait_for 5 focused "$WEV"
before=$(witnessed)
key b
check "after the dialog the next key reaches the witness" wait_for 5 grep -q "sym: b" "$W/wev.log"

# A compositor that keeps its shortcuts: the dialog says so, and still captures other keys.
swaymsg 'seat * shortcuts_inhibitor disable' >/dev/null
start_input || fail "the keyboard and pointer after the seat's change"
click_in 185 "$(box_y 1)"
wait_for 5 menu_open 1 && choose 1 11 || fail "the keyboard key item again"
check "the key capture dialog opens again" wait_for 10 key_dialog
check "the dialog learns that the desktop keeps its shortcuts" wait_for 5 logged "desktop shortcuts stay with the desktop"
wait_for 5 sh -c "grep -c 'keyboard focus' '$LOG' | grep -qx 2"
key F5
check "it still captures keys in its window" wait_for 5 captured 74
input keydown Super_L && key F12 && input keyup Super_L
check "Super+F12 stays with the desktop" wait_for 5 test -e "$W/desktop-shortcut"
shot 06-shortcuts-stay-with-desktop
click_dialog 346 262                               # Cancel
check "Cancel closes the dialog" wait_for 5 no_key_dialog

finish

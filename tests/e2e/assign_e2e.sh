#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Button assignment on a real, headless desktop: the assignment menus, the key capture
# dialog with its keyboard grab (xev is the witness that no key leaks), the macro picker,
# and the menus and dialogs in all four languages (lang-*). Screenshots of each step go to OUT.
#   usage: assign_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
. "$(dirname "$0")/e2e_lib.sh" "$@"
GRABBER=$(dirname "$BIN")/tests/e2e_grab_keyboard

. "$(dirname "$0")/assign_lib.sh"
. "$(dirname "$0")/pixel_lib.sh"

main_shown && pass "the main window shows" || fail "no main window"
main_redrawn click_in 141 117   # open the button assignment section

# Button 4 (entry 3): Multimedia Commands + / Mute; its label box must show it at once.
crop "$(main_window)" 122 "$(( $(box_y 3) - 7 ))" 126 14 "$W/box3-before.png"
box3_changed() { crop "$(main_window)" 122 "$(( $(box_y 3) - 7 ))" 126 14 "$W/box3-after.png" &&
  ! same_image "$W/box3-before.png" "$W/box3-after.png"; }
open_box 3
choose 8 5 01-button4-menu || fail "the multimedia submenu"
check "Button 4's label box shows the new label before Apply" wait_for 5 box3_changed
apply && pass "Apply saves the profile" || fail "Apply"
# Button 4's key-matrix slot is 4: the third and fourth base entries exchange their slots.
check "the mouse's base matrix holds 03 00 E2 00 in Button 4's slot" wait_for 5 slot_is 0 4 "03 00 E2 00"
check "config0.bin holds function 7 for entry 3" test "$(byte_at 65)" = 7
check "and usage E2" test "$(byte_at 107)" = 226
check "str0.ini holds the label Mute" label_of 3 Mute
shot 02-button4-mute

# Button 2 (entry 1): Keyboard key, with xev focused as the witness.
xev -event keyboard -geometry 300x200+960+560 >"$W/xev.log" 2>&1 & XEV=$!; PIDS+=($XEV)
wait_for 5 xdotool search --onlyvisible --name '^Event Tester$'
WITNESS=$(xdotool search --onlyvisible --name '^Event Tester$' | head -1) || fail "no witness window"
xdotool windowactivate --sync "$WITNESS" 2>/dev/null; xdotool windowfocus --sync "$WITNESS"
presses() { grep -c '^KeyPress event' "$W/xev.log"; }
pressed_since() { [ "$(presses)" -gt "$1" ]; }
xdotool key x
check "the witness receives keys while it has the focus" wait_for 5 pressed_since 0
open_box 1
grabbed=$(grabs)
choose 11 || fail "the keyboard key item"
wait_for 5 key_dialog && pass "the key capture dialog opens" || fail "no key capture dialog"
check "the dialog grabs the keyboard" wait_for 5 grabbed_since "$grabbed"
xdotool windowfocus "$WITNESS" 2>/dev/null   # the focus alone does not bring the keys back
witnessed=$(presses)
check "the dialog captured A" press a 41
check "as A with its scan code" grep -q 'vk code=41,scan code=1e,key flag=0' "$W/vorlak.err"
shot 03-key-dialog-A
check "the witness received no key" test "$(presses)" = "$witnessed"
press Return d && press Escape 1b && press space 20
check "Enter, Escape and Space do not close the dialog" key_dialog
press alt+F4 73
check "Alt+F4 closes nothing" key_dialog
check "nor the main window" main_window
press a 41
click_dialog key_dialog 276 262   # OK
check "OK closes the dialog" wait_for 5 no_key_dialog
xdotool windowactivate --sync "$WITNESS" 2>/dev/null; xdotool windowfocus --sync "$WITNESS"
witnessed=$(presses); xdotool key b
check "after the dialog the next key reaches the witness" wait_for 5 pressed_since "$witnessed"
kill "$XEV"
apply
check "OK stored usage 4 for entry 1" test "$(byte_at 189)" = 4
check "as a keyboard key" test "$(byte_at 63)" = 10
check "with the label Assign Keyboard Key-A" label_of 1 "Assign Keyboard Key-A"
shot 04-button2-key

# Button 3 (entry 2): Shift, then DPI -; its mirror is entry 9.
open_box 2
choose 6 || fail "the Shift item"
shot 05-button3-shift
apply
check "Shift on Button 3 makes its mirror Shift" test "$(byte_at 64):$(byte_at 71)" = 18:18
check "and the Shift matrix holds the Shift entry in slot 2" wait_for 5 slot_is 3 2 "08 00 02 00"
open_box 2
choose 7 1 || fail "the DPI submenu"
shot 06-button3-dpi-down
apply
check "DPI - on Button 3 makes the mirror Deactivated" test "$(byte_at 64):$(byte_at 78):$(byte_at 71)" = 6:2:13

# Button 1 (entry 0), the only click: the message, no menu.
open_box 0
attention() { xdotool search --onlyvisible --name '^ATTENTION!!$'; }
check "the last click shows the message" wait_for 5 attention
check "and no menu" no_popup_menu
shot 07-last-click
message=$(attention | head -1) && xdotool windowactivate --sync "$message" 2>/dev/null
key_in "$message" Return
check "the message closes" wait_for 5 sh -c '! xdotool search --onlyvisible --name "^ATTENTION!!$"'

# Macros: one with a play mode on Button 6 (entry 5), one of a single event on Button 7.
cat >"$data/record.ini" <<'INI'
[MacroName]
MacroCount=2
0=Fire
1=Tap
[Fire]
DelayTimeSelStatus=0
MacroLoopTimes=1
ItemCount=4
Item0=A   Dn
Item1=50 ms
Item2=A   Up
Item3=50 ms
[Tap]
DelayTimeSelStatus=0
MacroLoopTimes=1
ItemCount=1
Item0=B   Dn
INI
open_box 5
choose 12 || fail "the macro item"
wait_for 5 picker && pass "the macro picker opens" || fail "no macro picker"
redrawn root click_dialog picker 96 136; shot 08-picker-list
redrawn root click_dialog picker 96 136
pick_macro 0 1
shot 09-picker-chosen
click_dialog picker 279 262   # OK
open_box 6
choose 12
wait_for 5 picker
pick_macro 1 2
click_dialog picker 279 262
apply
check "the macro with a play mode: index 0, mode 1" test "$(byte_at 67):$(byte_at 305):$(byte_at 319)" = 11:0:1
check "the matrix entry 09 01 01 00" wait_for 5 slot_is 0 5 "09 01 01 00"
check "the macro of one event is stored with mode 0" test "$(byte_at 68):$(byte_at 306):$(byte_at 320)" = 11:1:0
check "labels Macro:Fire and Macro:Tap" sh -c "grep -q '^Item6=Macro:Fire$' '$data/str0.ini' && grep -q '^Item7=Macro:Tap$' '$data/str0.ini'"
shot 10-macros

# Another client holds the keyboard: the dialog says so, and OK and Cancel still close it.
# The other client's grab takes the keyboard focus from the program, which goes inactive a
# moment later (Qt first waits a while for the focus to come back) and then closes any menu
# it has open: the label box is clicked only once the program has gone inactive. The click
# activates the window again, and the menu it opens stays.
program_is() { [ "$(grep -o '^The program is [a-z]*' "$W/vorlak.err" | tail -1)" = "The program is $1" ]; }
check "the program is active before the other client's grab" wait_for 5 program_is active
"$GRABBER" >"$W/grabber.out" 2>&1 & GRAB=$!; PIDS+=($GRAB)
wait_for 5 grep -q grabbed "$W/grabber.out" || fail "the grabbing client"
check "the grab takes the program's keyboard focus" wait_for 5 program_is inactive
open_box 4
check "the label box opens its menu" wait_for 5 popup_menu
check "and the click makes the program active again" wait_for 5 program_is active
# The menu cannot grab the pointer either now (Qt grabs both or neither): it learns of the
# pointer only from motions over it, so the pointer goes onto it until an item lights.
lights() { local menu off; menu=$(popup_menu) || return 1
  xdotool mousemove --window "$menu" 30 1; off=$(picture "$menu")
  point_item "$menu" 1; wait_for 1 picture_differs "$menu" "$off"; }
check "the menu lights the item under the pointer" wait_for 10 lights
choose 11 || fail "the keyboard key item while another client holds the keyboard"
check "the key capture dialog opens" wait_for 5 key_dialog
# The failure message: the window the key capture dialog owns.
grab_failure() { local dialog; dialog=$(key_dialog) && owned_by "$dialog"; }
no_grab_failure() { ! grab_failure; }
check "the dialog shows the failure message" wait_for 8 grab_failure
wait_for 5 still "$(grab_failure)"; shot 11-grab-failed
close_grab_failure() {  # its OK button sits at the bottom right of the message box
  local box size; box=$(grab_failure) || return 1
  size=$(xdotool getwindowgeometry "$box" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
  [ -n "$size" ] || return 1
  xdotool mousemove --window "$box" $(( ${size% *} - 50 )) $(( ${size#* } - 25 )) click 1
  wait_for 5 no_grab_failure; }
check "the message closes by its button" close_grab_failure
click_dialog key_dialog 346 262   # Cancel
check "Cancel still closes the dialog" wait_for 5 no_key_dialog
kill "$GRAB"

# The menu with a submenu, the key capture dialog and the macro picker in each language.
stop_app
for lan in EN DE CHS CHT; do
  sed -i "s/^Lan=.*/Lan=$lan/" "$data"/str*.ini
  start_app   # its diagnostic lines go on in vorlak.err, where grabs counts them
  main_shown || { fail "no main window in $lan"; stop_app; continue; }
  main_redrawn click_in 141 117
  open_box 1
  choose 8 5 "lang-$lan-1-menu" && wait_for 5 no_popup_menu &&
    pass "the menu and its submenu in $lan" || fail "the menu in $lan"
  open_box 1; grabbed=$(grabs)   # the key reaches the dialog once it holds the keyboard
  choose 11 && wait_for 5 key_dialog && wait_for 5 grabbed_since "$grabbed" && wait_for 5 still "$(key_dialog)" &&
    redrawn "$(key_dialog)" xdotool key F5 && shot "lang-$lan-2-key-dialog" && pass "the key capture dialog in $lan" ||
    fail "the key capture dialog in $lan"
  click_dialog key_dialog 346 262; wait_for 5 no_key_dialog
  open_box 1
  choose 12 && wait_for 5 picker && redrawn root click_dialog picker 96 136 &&
    shot "lang-$lan-3-picker" &&
    pass "the macro picker in $lan" || fail "the macro picker in $lan"
  click_dialog picker 346 262; wait_for 5 no_picker
  stop_app
done

finish

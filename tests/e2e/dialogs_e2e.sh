#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The dialogs when the disk or the keyboard says no, and driven by keys. The macro manager: a
# write of record.ini that fails is told, the edits stay, OK waits for a store that holds them
# and then proceeds; a recording whose keyboard grab another client holds is told and leaves
# the macro's events as they were; a delay chosen by the keys is edited by one click, and a
# right press with nothing selected selects nothing. The macro picker confirms with Enter and
# cancels with Escape. The profile manager tracks the entry the keys chose.
#   usage: dialogs_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
before_start() {  # one macro: a key with a delay, played four times
  printf '%s\n' '[MacroName]' 'MacroCount=1' '0=Keep' '[Keep]' 'DelayTimeSelStatus=0' \
    'MacroLoopTimes=4' 'ItemCount=3' 'Item0=K   Dn' 'Item1=120 ms' 'Item2=K   Up' >"$1/record.ini"; }
. "$(dirname "$0")/e2e_lib.sh" "$@"
. "$(dirname "$0")/assign_lib.sh"
. "$(dirname "$0")/macro_lib.sh"
. "$(dirname "$0")/pixel_lib.sh"
GRABBER=$(dirname "$BIN")/tests/e2e_grab_keyboard
events_kept() { grep -qx 'Item0=K   Dn' "$data/record.ini" && grep -qx 'Item2=K   Up' "$data/record.ini" &&
  grep -qx 'MacroLoopTimes=4' "$data/record.ini"; }

main_shown && pass "the main window shows" || fail "no main window"
open_manager "Macro Manager" && pass "the manager opens" || fail "no manager"

# A right press on the event list with nothing selected selects nothing: the row keeps the
# list's grey, and a second press opens no menu either.
click_at 200 "$(event_row 2)" 3; click_at 200 "$(event_row 2)" 3
check "a right press with nothing selected opens no menu" sh -c '! wait_for 1 popup_menu'
check "and selects no row" colour_is "$DLG" 240 "$(event_row 2)" 109,109,109
shot 01-right-press

# The keys choose the delay; one click then edits it.
at 200 "$(event_row 0)"
redrawn "$DLG" xdotool key Down
at 200 "$(event_row 1)"                             # the in-place editor, over the entry
xdotool key ctrl+a; xdotool type --delay 30 "300"; xdotool key Tab
check "one click edits the delay the keys chose" wait_for 5 grep -qx 'Item1=300 ms' "$data/record.ini"
shot 02-delay-by-keys

# The store's replacements cannot be made: their temporary name is taken by a folder (one
# that is not empty, so that a failed write cannot clear it away).
mkdir -p "$data/record.ini.vorlak-new/in-the-way"
click_at 46 380                                     # New
check "a failed write is told" box_shown "ATTENTION!"
shot 03-write-failed
check "the message closes by its button" close_message_box "ATTENTION!"
check "record.ini still lists one macro" grep -qx 'MacroCount=1' "$data/record.ini"
click_at 325 408                                    # OK
check "OK says it needs the macros saved" box_shown "ATTENTION!"
shot 04-ok-waits
close_message_box "ATTENTION!"
check "and the manager stays open" manager "Macro Manager"
rm -r "$data/record.ini.vorlak-new"
click_at 325 408                                    # OK again
check "OK closes the manager once the store is written" wait_for 5 no_manager
check "record.ini lists the new macro" grep -qx '1=Macro_2' "$data/record.ini"
check "and keeps the first with its events" events_kept

# Another client holds the keyboard: the recording cannot start.
"$GRABBER" >"$W/grabber.out" 2>&1 & GRAB=$!; PIDS+=($GRAB)
wait_for 5 grep -q grabbed "$W/grabber.out" || fail "the grabbing client"
open_manager "Macro Manager" || fail "the manager opens again"
click_at 339 99                                     # Start Recording
check "the failed grab is told" box_shown "Vorlak"
shot 05-grab-failed
close_message_box "Vorlak"
wait_for 5 still "$DLG"; shot 06-events-back
kill "$GRAB"
at 46 380                                           # New: writes the list and the macro shown
click_at 325 408                                    # OK
check "OK closes the manager" wait_for 5 no_manager
check "the macro keeps its events and loop count" events_kept

# The macro picker keeps a dialog's keys: Escape cancels, Enter confirms the choice.
main_redrawn click_in 141 117                       # the button assignment section
box4() { crop "$(main_window)" 122 "$(( $(box_y 4) - 7 ))" 126 14 "$W/box4-$1.png"; }
box4_changed() { box4 after && ! same_image "$W/box4-before.png" "$W/box4-after.png"; }
open_box 4
{ choose 12 && wait_for 5 picker && wait_for 5 still "$(picker)"; } || fail "the macro picker on Button 5"
key_in "$(picker)" Escape
check "Escape closes the picker" wait_for 5 no_picker
box4 before
open_box 4
{ choose 12 && wait_for 5 picker && pick_macro 0 0; } || fail "the macro picker again"
shot 07-picker
key_in "$(picker)" Return
check "Enter closes the picker" wait_for 5 no_picker
check "and assigns the macro chosen: its label box shows it" wait_for 5 box4_changed
shot 08-picked-by-enter
main_redrawn click_in 141 117                       # the section closed again

# The profile manager: the entry the keys chose is renamed by one click.
row() { echo $((40 + 18 * $1)); }
main_redrawn click_in 54 619                        # Config: the manager over the left column
main_redrawn click_in 50 586                        # New: Profile 2, selected
main_redrawn click_in 60 "$(row 1)"                 # the first click tracks it
main_redrawn xdotool key Up                         # the keys choose Profile 1
main_redrawn click_in 60 "$(row 0)"                 # one click renames it
xdotool key ctrl+a; xdotool type --delay 30 "Desk"; xdotool key Tab
shot 09-profile-by-keys
click_in 247 15                                     # close
check "the entry the keys chose was renamed" wait_for 5 grep -qx 'Item0=Desk' "$data/str.ini"

finish

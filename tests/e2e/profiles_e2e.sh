#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The profile manager end to end: a new profile renamed in place, exported and imported through
# the file dialog, the list committed on close with the files renumbered after it, and the
# manager in all four languages. Checked on the data files and on the simulated mouse.
#   usage: profiles_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
. "$(dirname "$0")/e2e_lib.sh" "$@"

# The profile manager lies over the left of the main window: its list rows are 18 pixels high
# from y 31, New, Delete and its close button sit at the bottom and the top.
row() { echo $((40 + 18 * $1)); }
open_manager() { main_redrawn click_in 54 619; }
close_manager() { main_redrawn click_in 247 15; }
# click_row ROW [X]: a click on a row (a row already tracked shows no change). Two clicks on
# one row read as a double click only within a few pixels: the second click goes elsewhere.
click_row() { main_redrawn click_in "${2:-60}" "$(row "$1")" || true; }
menu_item() {  # menu_item ROW N: the right-click menu of a row, its N-th item
  local win; win=$(main_window) || return 1
  xdotool mousemove --window "$win" 60 "$(row "$1")" click 3
  menu_shown && click_item "$(popup_menu)" $(($2 - 1))
}
file_dialog() { xdotool search --all --onlyvisible --pid "$APP" --name '^(Open|Save As)$' | head -1; }
no_file_dialog() { ! file_dialog | grep -q .; }
choose_file() {  # types a path into the file dialog and confirms it
  wait_for 5 file_dialog && wait_for 5 still "$(file_dialog)" || return 1
  key_in "$(file_dialog)" ctrl+a || return 1; xdotool type --delay 20 "$1"; xdotool key Return
  wait_for 5 no_file_dialog
}
message_box() {  # a window of the program's name that is not the main window
  for w in $(xdotool search --all --onlyvisible --pid "$APP" --name '^Vorlak$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 1000x' || { echo "$w"; return 0; }
  done; return 1; }
no_message_box() { ! message_box; }
byte61() { od -An -tu1 -j61 -N1 "$data/$1" | tr -d ' '; }   # the record's sensitivityX
list_has() { grep -qx "$1" "$data/str.ini"; }

main_shown && pass "the main window shows" || fail "no main window"
default_x=$(byte61 config0.bin)

open_manager; shot 01-manager-EN
main_redrawn click_in 50 586                     # New
shot 02-new-profile
click_row 1; click_row 1 90                      # the first click tracks, the second renames
xdotool key ctrl+a; xdotool type --delay 30 "Gaming"; main_redrawn xdotool key Tab
shot 03-renamed

mkdir -p "$W/out"
menu_item 1 5                                    # Save
wait_for 5 file_dialog; shot 04-save-dialog
choose_file "$W/out/MyMouse"
written() { [ "$(stat -c %s "$W/out/MyMouse.bin" 2>/dev/null)" = 1889 ]; }
check "Save wrote MyMouse.bin of 1889 bytes" wait_for 5 written
check "and its labels in MyMouse.ini" wait_for 5 grep -q '^\[Setting-EN\]' "$W/out/MyMouse.ini"

# A prepared profile: the defaults with X sensitivity 9 and labels of its own.
mkdir -p "$W/in"
cp "$data/config.bin" "$W/in/Imported.bin"
printf '\x09' | dd of="$W/in/Imported.bin" bs=1 seek=61 conv=notrunc 2>/dev/null
{ echo "[Setting-EN]"; for i in $(seq 1 14); do echo "Item$i=Imported $i"; done; } >"$W/in/Imported.ini"
head -c 1888 "$data/config.bin" >"$W/in/Short.bin"
cp "$data/config.bin" "$W/in/Wild.bin"            # X sensitivity 71: no profile holds it
printf '\x47' | dd of="$W/in/Wild.bin" bs=1 seek=61 conv=notrunc 2>/dev/null

menu_item 1 4                                    # Load a file that is no profile
choose_file "$W/in/Short.bin"
check "a file of 1888 bytes is refused with a message" wait_for 5 message_box
shot 05-not-a-profile
key_in "$(message_box)" Return; wait_for 5 no_message_box
menu_item 1 4                                    # Load a profile with a field out of range
choose_file "$W/in/Wild.bin"
check "a profile with X sensitivity 71 is refused, the field named" wait_for 5 message_box
shot 05b-field-out-of-range
key_in "$(message_box)" Return; wait_for 5 no_message_box
menu_item 1 4                                    # Load the prepared profile
wait_for 5 file_dialog; shot 06-load-dialog
choose_file "$W/in/Imported.bin"
shot 07-imported
close_manager                                    # on entry 1: the imported record stays
shot 08-closed-on-gaming
check "str.ini lists both profiles" wait_for 5 sh -c "grep -qx 'ItemCount=2' '$data/str.ini' && grep -qx 'Item1=Gaming' '$data/str.ini'"
check "and names the current one" list_has "CurProfileName=Gaming"
check "the new profile's file holds the defaults" wait_for 5 cmp -s "$data/config1.bin" "$data/config.bin"
main_redrawn click_in 141 167; shot 09-imported-sliders   # the axis section: X at 9
main_redrawn click_in 141 167
apply
check "Apply writes the imported record into config1.bin" test "$(byte61 config1.bin)" = 9
check "and the mouse holds it" wait_for 5 described 'sensitivity: 180 '
check "profile 1 keeps its own record" test "$(byte61 config0.bin)" = "$default_x"
shot 10-applied

# A third profile, given a record of its own on disk, then the middle one deleted.
open_manager
main_redrawn click_in 50 586                     # New: "Gaming 2"
click_row 0; close_manager                       # close on Profile 1
check "the third profile is listed" wait_for 5 list_has "Item2=Gaming 2"
printf '\x04' | dd of="$data/config2.bin" bs=1 seek=61 conv=notrunc 2>/dev/null
open_manager
click_row 1; shot 11-before-delete
main_redrawn click_in 170 586                    # Delete "Gaming"
shot 12-deleted
click_row 1; close_manager                       # close on "Gaming 2", now entry 1
check "the list lost the middle profile" wait_for 5 sh -c "grep -qx 'ItemCount=2' '$data/str.ini' && grep -qx 'Item1=Gaming 2' '$data/str.ini'"
check "Gaming 2's record moved to config1.bin" test "$(byte61 config1.bin)" = 4
check "the deleted profile's record moved past the list" test "$(byte61 config2.bin)" = 9
apply
check "the window opened Gaming 2's own record" wait_for 5 described 'sensitivity: 80 '
shot 13-gaming-2
open_manager; click_row 0; close_manager; apply
check "Profile 1 still opens its own record" wait_for 5 described "sensitivity: $((default_x * 20)) "
shot 14-profile-1

# The manager in the other languages: the current profile's settings name the language.
for lang in DE CHS CHT; do
  kill "$APP"; wait "$APP" 2>/dev/null
  sed -i "s/^Lan=.*/Lan=$lang/" "$data/str0.ini"
  "$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >"$W/vorlak-$lang.out" 2>&1 &
  APP=$!; PIDS+=($APP)
  exec 3>"$W/mouse"
  main_shown || { fail "no main window in $lang"; continue; }
  open_manager; shot "15-manager-$lang"
  pass "the manager opens in $lang"
done

# A renumbering that a kill left half done and that cannot be finished (a folder stands where
# config1.bin belongs) is told at start; the window reads and saves no profile until it is
# finished, which the next step that needs the files does once the obstacle is gone.
kill "$APP"; wait "$APP" 2>/dev/null
mv "$data/config1.bin" "$data/config1.bin.renumber"; mkdir -p "$data/config1.bin/in-the-way"
echo config1.bin >"$data/profiles.journal"
"$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >"$W/vorlak-journal.out" 2>&1 &
APP=$!; PIDS+=($APP)
exec 3>"$W/mouse"
main_shown || fail "no main window after the kill"
check "the unfinished renumbering is told at start" wait_for 10 message_box
shot 16-renumbering-unfinished
key_in "$(message_box)" Return; wait_for 5 no_message_box
rm -rf "$data/config1.bin"
open_manager
check "opening the manager finishes it" wait_for 5 sh -c "[ ! -e '$data/profiles.journal' ]"
check "and config1.bin is whole again" test "$(stat -c %s "$data/config1.bin")" = 1889
shot 17-renumbering-finished

finish

#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The macro manager end to end: a macro recorded from the keyboard with delays while a witness
# client has the focus, a click and a delay inserted from the event menu, the delay edited and
# the macro renamed in place, OK, Apply; checked on record.ini, on the record and on the
# simulated mouse. The thirteenth New shows the limit; the manager in all four languages.
#   usage: macros_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
. "$(dirname "$0")/e2e_lib.sh" "$@"
. "$(dirname "$0")/assign_lib.sh"
. "$(dirname "$0")/macro_lib.sh"

menu_item() {  # menu_item ROW N: the event menu on an event row, its N-th item
  click_at 200 "$(event_row "$1")" 3; menu_shown || return 1
  redrawn "$DLG" click_item "$(popup_menu)" $(($2 - 1)); }
item() { grep -x "Item$1=$2" "$data/record.ini"; }
presses() { tr -d '\0' <"$W/xev.log" | grep -c KeyPress; }
pressed_since() { [ "$(presses)" -gt "$1" ]; }
# recording: Start Recording, until the manager holds the keyboard.
recording() { local grabbed; grabbed=$(grabs); at 339 99 && wait_for 5 grabbed_since "$grabbed"; }
record_ini_has() { grep -qx "$1" "$data/record.ini"; }
limit_box() { xdotool search --all --onlyvisible --pid "$APP" --name '^ATTENTION!$'; }

main_shown && pass "the main window shows" || fail "no main window"
stdbuf -oL xev -name witness -event keyboard >"$W/xev.log" 2>&1 & PIDS+=($!)
wait_for 5 xdotool search --onlyvisible --name '^witness$'
WITNESS=$(xdotool search --onlyvisible --name '^witness$' | head -1) || fail "no witness window"
xdotool windowactivate --sync "$WITNESS" 2>/dev/null; xdotool key x
check "the witness receives keys while it has the focus" wait_for 5 pressed_since 0

open_manager "Macro Manager"; shot 01-manager-EN
check "the manager opens" test -n "$DLG"
at 46 380                                           # New
check "New names the macro Macro_1" wait_for 5 sh -c "grep -q '^0=Macro_1' '$data/record.ini' || grep -q '^\[Macro_1\]' '$data/record.ini'"
at 377 151                                          # record delays on
shot 02-new-macro

recording || fail "the recording holds no keyboard"   # Start Recording
xdotool windowactivate --sync "$WITNESS" 2>/dev/null
: >"$W/xev.log"
# Each key shows in the manager's list before the next, so the delays between them count.
redrawn "$DLG" xdotool key a
redrawn "$DLG" xdotool keydown Control_L keydown c keyup c keyup Control_L
redrawn "$DLG" xdotool key KP_Enter
shot 03-recording
check "the witness received no key while recording" sh -c "! grep -q KeyPress '$W/xev.log'"
at 339 99                                           # Stop Recording
shot 04-recorded
check "the recording is stored with delays between the keys" wait_for 5 record_ini_has 'ItemCount=15'
check "the first text is the press of A" item 0 "A   Dn"
check "then a measured delay" sh -c "grep -Eqx 'Item1=[0-9]+ ms' '$data/record.ini'"
check "Ctrl+C with the left Ctrl" sh -c "grep -qx 'Item4=Ctrl   Dn' '$data/record.ini' && grep -qx 'Item6=C   Dn' '$data/record.ini' && grep -qx 'Item10=Ctrl   Up' '$data/record.ini'"
check "the keypad's Enter is Num Enter" item 14 "Num Enter   Up"

at 200 "$(event_row 0)"                             # the first event
menu_item 0 2                                       # Insert Left Button after it
check "a left click follows the first event" wait_for 5 sh -c "grep -qx 'Item1=L-Button   Dn' '$data/record.ini' && grep -qx 'Item2=L-Button   Up' '$data/record.ini'"
menu_item 2 5                                       # Insert Delay before the release
check "a delay of 50 ms sits between press and release" wait_for 5 item 2 "50 ms"
shot 05-inserted
click_at 200 "$(event_row 2)"; at 240 "$(event_row 2)"   # the second click edits
xdotool key ctrl+a; xdotool type --delay 30 "70000"; redrawn "$DLG" xdotool key Tab
check "a delay of 70000 is kept as 65535 ms" wait_for 5 item 2 "65535 ms"
shot 06-delay-edited
redrawn "$DLG" xdotool mousemove --window "$DLG" 60 90 click --repeat 2 --delay 80 1
xdotool key ctrl+a; xdotool type --delay 30 "Combo"; redrawn "$DLG" xdotool key Tab
check "the rename moved the macro's section" wait_for 5 sh -c "grep -qx '0=Combo' '$data/record.ini' && grep -qx '\[Combo\]' '$data/record.ini' && ! grep -q '^\[Macro_1\]' '$data/record.ini'"
shot 07-renamed
click_at 325 408                                    # OK
check "OK closes the manager" wait_for 5 no_manager
xdotool windowactivate --sync "$WITNESS" 2>/dev/null; : >"$W/xev.log"
xdotool key x
check "after the manager the witness receives keys again" wait_for 5 pressed_since 0

# The macro on Button 5 (entry 4) through its menu and the picker, played once.
main_redrawn click_in 141 117                       # the button assignment section
open_box 4
{ choose 12 && wait_for 5 picker && pick_macro 0 0 && click_dialog picker 279 262; } ||
  fail "the macro picker on Button 5"
check "the picker closes with OK" wait_for 5 no_picker
shot 07b-assigned
main_redrawn click_in 141 117       # closed again: the headers below keep their places

apply || fail "Apply did not end"
block=$(od -An -tx1 -v -j329 -N128 "$data/config0.bin" | tr -s ' \n' ' ' | sed 's/^ //;s/ $//' | tr a-f A-F)
check "the record's first macro slot holds an encoded block" test "${block:0:5}" = "00 01"
check "the simulated mouse holds the same block" wait_for 5 described "macro 1: $block"
check "Button 5 (entry 4) plays macro 0 once" test "$(byte_at 66):$(byte_at 304):$(byte_at 318)" = 11:0:0
check "and its label names the macro" label_of 4 "Macro:Combo"
shot 08-applied

# Holding a key: X repeats it as release-press pairs (the witness sees the repeats), the
# recording keeps one press and one release.
# The key is held until the witness has seen it repeat; the recording holds it as long again.
xdotool windowactivate --sync "$WITNESS" 2>/dev/null; : >"$W/xev.log"
held=$(date +%s%N); xdotool keydown b
check "the X server repeats a held key" wait_for 10 pressed_since 2
held=$(( ($(date +%s%N) - held) / 1000000 )); xdotool keyup b
open_manager "Macro Manager"
at 46 380                                           # New: Macro_2, delays off
recording || fail "the second recording holds no keyboard"
before=$(captured 42)
xdotool keydown b; wait_for 5 captured_since 42 "$before"
sleep "$(printf '%d.%03d' $((held * 2 / 1000)) $((held * 2 % 1000)))"   # the hold itself
redrawn "$DLG" xdotool keyup b
at 339 99
shot 09-held-key
check "a held key records one press and one release" wait_for 5 sh -c "sed -n '/^\[Macro_2\]/,\$p' '$data/record.ini' | grep -qx 'ItemCount=2'"
for i in $(seq 3 12); do at 46 380; done
click_at 46 380                                     # the thirteenth
check "twelve macros are listed" wait_for 5 record_ini_has "MacroCount=12"
check "the thirteenth New shows the limit message" wait_for 5 limit_box
shot 10-limit
no_limit_box() { ! limit_box; }
key_in "$(limit_box)" Return; wait_for 5 no_limit_box
click_at 381 408                                    # Cancel
check "Cancel closes the manager" wait_for 5 no_manager

# The manager in the other languages: the current profile's settings name the language.
declare -A TITLE=([DE]="Makro-Manager" [CHS]="宏管理器" [CHT]="巨集編輯器")
for lang in DE CHS CHT; do
  kill "$APP"; wait "$APP" 2>/dev/null
  sed -i "s/^Lan=.*/Lan=$lang/" "$data/str0.ini"
  "$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >"$W/vorlak-$lang.out" 2>&1 &
  APP=$!; PIDS+=($APP)
  exec 3>"$W/mouse"
  main_shown || { fail "no main window in $lang"; continue; }
  open_manager "${TITLE[$lang]}"
  check "the manager opens in $lang" test -n "$DLG"
  shot "11-manager-$lang"
done

finish

#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Macro recording on Wayland: the macro manager records the keys typed while it has the
# focus (wev, focused before, is the witness that none leaks), OK keeps them in record.ini.
#   usage: macros_e2e.sh BIN_DIR OUT   (run_wayland.sh gives it its compositor and session)
. "$(dirname "$0")/wayland_lib.sh" "$@"

manager() { window_sized 490 432; }
no_manager() { ! manager; }
at() { local d; d=$(manager) && click_at $(at_window "$d" "$1" "$2"); }   # a point of the manager
item() { grep -qx "Item$1=$2" "$data/record.ini"; }
focus_count() { grep -c "WaylandKeyCapture: keyboard focus" "$LOG"; }
focus_since() { [ "$(focus_count)" -gt "$1" ]; }

wait_for 20 main_window_painted && pass "the main window shows" || fail "no main window"
stdbuf -oL wev -f wl_keyboard:key >"$W/wev.log" 2>&1 & WEV=$!; PIDS+=($WEV)
check "the witness has the focus" wait_for 10 focused "$WEV"
key x
check "the witness receives keys while it has the focus" wait_for 5 grep -q "sym: x" "$W/wev.log"
witnessed() { grep -c "state: 1 (pressed)" "$W/wev.log"; }

click_in 140 142                                    # the Macro Manager button
check "the manager opens" wait_for 10 manager
check "over the main window" wait_for 5 focused "$APP"
at 46 380                                           # New
check "New names the macro Macro_1" wait_for 5 grep -q 'Macro_1' "$data/record.ini"
shot 01-manager

before=$(witnessed) focused_before=$(focus_count)
at 339 99                                           # Start Recording
check "the recording has the keyboard" wait_for 10 focus_since "$focused_before"
check "and the desktop's shortcut keys" wait_for 5 logged "desktop shortcuts come to the capture"
key a
input keydown Control_L && key c && input keyup Control_L
key KP_Enter
recorded() { [ "$(grep -c '^vk code=' "$LOG")" -ge 8 ]; }
check "eight key events reached the recording" wait_for 5 recorded
shot 02-recording
at 339 99                                           # Stop Recording
check "the recording is stored: eight events" wait_for 5 grep -qx 'ItemCount=8' "$data/record.ini"
check "A pressed and released" sh -c "grep -qx 'Item0=A   Dn' '$data/record.ini' && grep -qx 'Item1=A   Up' '$data/record.ini'"
check "Ctrl+C with the left Ctrl" sh -c "grep -qx 'Item2=Ctrl   Dn' '$data/record.ini' && grep -qx 'Item3=C   Dn' '$data/record.ini' && grep -qx 'Item5=Ctrl   Up' '$data/record.ini'"
check "the keypad's Enter is Num Enter" item 7 "Num Enter   Up"
check "the witness received no key while recording" test "$(witnessed)" = "$before"
shot 03-recorded
at 325 408                                          # OK
check "OK closes the manager" wait_for 5 no_manager
check "and keeps the macro" grep -qx '0=Macro_1' "$data/record.ini"

click_at 640 870                                    # the witness again
check "the witness has the focus again" wait_for 5 focused "$WEV"
key b
check "after the manager the witness receives keys again" wait_for 5 grep -q "sym: b" "$W/wev.log"
finish

#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Apply when the mouse does not take a transfer: "fail N EIO" typed for the simulated mouse,
# then Apply. The profile file is saved all the same, the mouse keeps what it had, and the
# warning names the step and the reason, in each of the four languages; the next Apply sends
# it all and says so.
#   usage: apply_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
. "$(dirname "$0")/e2e_lib.sh" "$@"

warning_box() {  # the application's message box: named Vorlak, narrower than the main window
  for w in $(xdotool search --all --onlyvisible --pid "$APP" --name '^Vorlak$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -qE 'Geometry: [2-9][0-9][0-9]x' && { echo "$w"; return 0; }
  done; return 1; }
no_warning_box() { ! warning_box; }
close_warning() {  # its OK button sits at the bottom right of the box
  local box geometry; box=$(warning_box) || return 1
  geometry=$(xdotool getwindowgeometry "$box" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
  [ -n "$geometry" ] || return 1
  xdotool mousemove --window "$box" $(( ${geometry% *} - 50 )) $(( ${geometry#* } - 25 )) click 1
  wait_for 5 no_warning_box; }
saved_since() { [ "$data/config0.bin" -nt "$W/before-apply" ]; }
mouse_says() {  # mouse_says PATTERN: a fresh describe of the simulated mouse shows it
  : >"$W/vorlak.out"; say describe
  wait_for 5 grep -q "^lighting:" "$W/vorlak.out" && grep -q "$1" "$W/vorlak.out"; }
press_apply() { touch "$W/before-apply"; click_in 951 619; }
apply_with() { say "$1"; press_apply; }  # apply_with LINE: the line for the mouse, then Apply
sensitivity_x() { od -An -tu1 -j 61 -N1 "$data/config0.bin" | tr -d ' '; }
apply_ended() {  # the progress bar is gone: its left end shows the window's own background
  local win X Y pixel; win=$(main_window) || return 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  pixel=$(import -window root -crop "1x1+$((X + 303))+$((Y + 508))" txt:- 2>/dev/null | tail -1)
  ! grep -qE 'srgb\((143,32,32|40,16,16)\)' <<<"$pixel"; }
apply_unchanged() {  # Apply with nothing changed: it ends with the profile saved
  press_apply; wait_for 20 saved_since && wait_for 5 apply_ended; }

wait_for 15 main_window && pass "the main window shows" || fail "no main window"
click_in 141 167      # open the axis section
click_in 240 206      # the X slider near its right end
apply_with "fail 2 EIO"   # the sensitivity's frame, right after the polling rate's
check "the profile is saved although the mouse failed" wait_for 20 saved_since
check "the warning is shown" wait_for 10 warning_box
shot 01-EN-not-taken
check "the edit is in the profile file" test "$(sensitivity_x)" -ge 10
check "the mouse kept its sensitivity" mouse_says 'sensitivity: 100 100'
check "the warning closes by its button" close_warning

press_apply           # Apply again: it all goes out
check "the next Apply saves the profile" wait_for 20 saved_since
check "and the mouse holds it" mouse_says 'sensitivity: 2[02]0'
check "without a warning" no_warning_box
wait_for 5 apply_ended
shot 02-EN-sent
check "an Apply without a change still saves" apply_unchanged
check "and the mouse still holds it all" mouse_says 'sensitivity: 2[02]0'
shot 03-EN-up-to-date

# The warning in the other languages: the current profile's settings name the language.
for lang in DE CHS CHT; do
  kill "$APP"; wait "$APP" 2>/dev/null
  sed -i "s/^Lan=.*/Lan=$lang/" "$data/str0.ini"
  "$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >"$W/vorlak.out" 2>"$W/vorlak.err" &
  APP=$!; PIDS+=($APP)
  exec 3>"$W/mouse"
  wait_for 15 main_window || { fail "no main window in $lang"; continue; }
  apply_with "fail 17 EIO"   # macro 1's last output report
  check "the profile is saved in $lang" wait_for 20 saved_since
  check "the warning is shown in $lang" wait_for 10 warning_box
  shot "04-$lang-not-taken"
  close_warning
  press_apply        # after the failure: every step again
  check "Apply sends it all in $lang" wait_for 20 saved_since
  wait_for 5 apply_ended
  check "Apply without a change in $lang" apply_unchanged
  shot "05-$lang-up-to-date"
done

finish

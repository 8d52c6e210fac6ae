#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The macro manager in the end-to-end runs: finding it, opening it, clicking in it, and the
# program's message boxes. Sourced after e2e_lib.sh.
manager() {  # the visible 490 x 432 window of the manager, titled in its language
  for w in $(xdotool search --all --onlyvisible --pid "$APP" --name "^$1\$" 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 490x432' && { echo "$w"; return 0; }
  done; return 1; }
no_manager() { ! manager "Macro Manager"; }
open_manager() {  # the Macro Manager button of the main window
  DLG=; click_in 140 142; wait_for 5 manager "$1" && DLG=$(manager "$1") &&
    wait_for 5 still "$DLG"; }
click_at() {  # click_at X Y [BUTTON]: a click at a point of the manager
  xdotool mousemove --window "$DLG" "$1" "$2" click "${3:-1}"; }
at() { redrawn "$DLG" click_at "$@"; }  # a click the manager shows
event_row() { echo $((82 + 8 + 16 * $1)); }  # rows of the event list
# The program's message box titled TITLE: a window of that name that is neither the main
# window nor the manager (--all: the pid and the name both).
message_box() {
  local w; for w in $(xdotool search --all --onlyvisible --pid "$APP" --name "^$1\$" 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -qE 'Geometry: (1000x|490x432)' || { echo "$w"; return 0; }
  done; return 1; }
no_message_box() { ! message_box "$1"; }
box_shown() { wait_for 5 message_box "$1" && wait_for 5 still "$(message_box "$1")"; }
# A click on the message box's button (its bottom right), until the box has gone.
close_message_box() {
  local box size; box=$(message_box "$1") || return 1
  size=$(xdotool getwindowgeometry "$box" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
  [ -n "$size" ] || return 1
  xdotool mousemove --window "$box" $(( ${size% *} - 50 )) $(( ${size#* } - 25 )) click 1
  wait_for 5 no_message_box "$1"; }

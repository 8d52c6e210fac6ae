#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Figures of the window on Wayland, for scripts/bench.sh (run through run_wayland.sh): process
# start to the main window on screen (the splash's 3 s included), a press on a label box to its
# menu on screen, a key typed to its name in the key capture dialog. Measured from outside as a
# user sees them, so each includes the input client's round trip and one read of the screen or
# the log (a few ms). Prints min / median / max; nothing is asserted.
#   usage: figures.sh BIN_DIR OUT
. "$(dirname "$0")/wayland_lib.sh" "$@"

now() { date +%s%N; }
ms_since() { echo $(( ($(now) - $1) / 1000000 )); }
soon() {  # soon CMD...: poll CMD every 5 ms for up to 10 s
  local end=$(( $(date +%s) + 10 )); until "$@" >/dev/null 2>&1; do
    [ "$(date +%s)" -ge $end ] && return 1; sleep 0.005; done; }
figure() {  # figure LABEL VALUES...
  local label=$1; shift
  printf '%s\n' "$@" | sort -n | awk -v label="$label" '{ v[NR] = $1 }
    END { printf "%-40s min %6d  median %6d  max %6d ms  (%d runs)\n", label, v[1], v[int((NR + 1) / 2)], v[NR], NR }'; }
menu_open() { local win=($(main_window)); [ "$(pixel $(( win[1] + 315 )) $(( win[2] + 161 )))" = "111 41 41" ]; }
menu_closed() { ! menu_open; }
key_dialog() { window_sized 384 285; }
no_key_dialog() { ! key_dialog; }
events() { grep -c '^vk code=' "$LOG"; }
more_events() { [ "$(events)" -gt "$1" ]; }

# Start to window: three starts after the library's own.
soon main_window_painted
starts=()
for run in 1 2 3; do
  kill "$APP"; wait "$APP" 2>/dev/null
  t=$(now); start_program "vorlak-$run"
  soon main_window_painted && starts+=($(ms_since "$t"))
done
[ "${#starts[@]}" -gt 0 ] && figure "process start -> main window (splash)" "${starts[@]}"

click_in 141 117                                   # the button assignment section
menus=()
for run in $(seq 10); do
  t=$(now); click_in 185 161
  soon menu_open && menus+=($(ms_since "$t"))
  key Escape; soon menu_closed
done
[ "${#menus[@]}" -gt 0 ] && figure "press on a label box -> menu on screen" "${menus[@]}"

click_in 185 161; soon menu_open
win=($(main_window)); glide $(( win[1] + 285 )) $(( win[2] + 133 + 20 + 13 + 220 )); pointer click
keys=()
if soon key_dialog && soon logged "desktop shortcuts come to the capture"; then
  for run in $(seq 10); do
    n=$(events); t=$(now); input keydown a
    soon more_events "$n" && keys+=($(ms_since "$t"))
    input keyup a; soon more_events $(( n + 1 ))
  done
  key Escape
fi
[ "${#keys[@]}" -gt 0 ] && figure "key pressed -> its name shown" "${keys[@]}"
finish

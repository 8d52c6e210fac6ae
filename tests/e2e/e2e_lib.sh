#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shared start of every end-to-end run: Xvfb, a window manager, an XEmbed tray and a
# notification daemon on a private session bus, a copy of the default data files, and the
# application with the simulated mouse driven through standard input (say LINE). Source it
# from a run script as: . "$(dirname "$0")/e2e_lib.sh" BIN_DIR OUT
# A run may define before_start DATA_DIR first: it edits the data files before the start.
# It defines pass/fail/check/shot, main_window, tray_icon, balloon, popup_menu, click_in, say,
# description and described, apply, main_redrawn, start_app/stop_app, and finish (prints the
# counts and sets the exit status); desktop_lib.sh gives wait_for, picture, still and redrawn.
set -uo pipefail
BIN=$1 OUT=$2
mkdir -p "$OUT"
W=$(mktemp -d)
# VORLAK_DEBUG: the program's diagnostic lines, among them the ends of its writes.
export QT_QPA_PLATFORM=xcb GSETTINGS_BACKEND=memory VORLAK_DEBUG=1
. "$(dirname "${BASH_SOURCE[0]}")/desktop_lib.sh"
PIDS=()
cleanup() {
  exec 3>&- 2>/dev/null
  for ((i=${#PIDS[@]}-1; i>=0; i--)); do kill "${PIDS[i]}" 2>/dev/null; done
  stop_desktop
  wait 2>/dev/null
  rm -rf "$W"
}
trap cleanup EXIT
PASSES=0 FAILS=0
pass() { echo "ok: $*"; PASSES=$((PASSES+1)); }
fail() { echo "FAIL: $*"; FAILS=$((FAILS+1)); }
check() { local what=$1; shift; if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi; }
shot() { wait_for 5 still root; import -window root "$OUT/$1.png" 2>/dev/null; }  # at rest

start_display "$W" || { echo "FAIL: no X server"; exit 1; }
start_window_manager "$W"
if [ -z "${E2E_NO_TRAY:-}" ]; then start_tray "$W"; fi  # E2E_NO_TRAY=1: a desktop without a tray
# Notifications in the screen's right margin, beside the centred main window, so that no
# picture of the window has one over it.
printf '[global]\n    width = 170\n    origin = top-right\n    offset = 8x4\n' >"$W/dunstrc"
dunst -config "$W/dunstrc" >"$W/dunst.log" 2>&1 & PIDS+=($!)
wait_for 10 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q "boolean true"'

data=$W/data; mkdir -p "$data"
cp "$BIN"/*.bin "$BIN"/*.ini "$data"/
if declare -F before_start >/dev/null; then before_start "$data"; fi  # a run's own data edits
mkfifo "$W/mouse"
start_app() {  # the application on the simulated mouse (a run may stop it and start it again)
  "$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >>"$W/vorlak.out" 2>>"$W/vorlak.err" &
  APP=$!; PIDS+=($APP)
  exec 3>"$W/mouse"
}
stop_app() { exec 3>&-; kill "$APP"; wait "$APP" 2>/dev/null; }
start_app
say() { echo "$1" >&3; }

click_in() {  # click_in X Y: a point of the main window
  local win; win=$(main_window) || return 1
  xdotool mousemove --window "$win" "$1" "$2" click 1; }
# The simulated mouse's answer to describe ends with a line of its own: each asks anew and
# reads the newest answer whole.
answers() { grep -c '^end of description$' "$W/vorlak.out"; }
answered_since() { [ "$(answers)" -gt "$1" ]; }
description() { local asked; asked=$(answers); say describe
  wait_for 10 answered_since "$asked" || return 1
  tac "$W/vorlak.out" | sed -n '/^end of description$/,$p' | sed '1d;/^end of description$/,$d' | tac; }
described() { description | grep "$1" >/dev/null; }  # grep reads all: no broken pipe
# The window takes input again after a write (Apply, Reset): it says so on its diagnostic channel.
writes_ended() { grep -c 'The window takes input again' "$W/vorlak.err"; }
ended_since() { [ "$(writes_ended)" -gt "$1" ]; }
# apply: Apply, until the window takes input again.
apply() { local ended; ended=$(writes_ended)
  click_in 951 619 && wait_for 30 ended_since "$ended"; }
# Points at item INDEX (from 0) of a skinned menu window: 3 pixels of frame, 20 per item.
point_item() { xdotool mousemove --window "$1" 30 $((3 + 20 * $2 + 10)); }
# The menu lights the item under the pointer: once it shows that, the click is the item's.
click_item() { redrawn "$1" point_item "$1" "$2"; xdotool click 1; }
# main_redrawn COMMAND...: runs COMMAND and waits until the main window shows its effect.
main_redrawn() { local win; win=$(main_window) || return 1; redrawn "$win" "$@"; }

finish() {
  echo "screenshots in $OUT"
  echo "$PASSES passed, $FAILS failed"
  [ "$FAILS" = 0 ] || { echo "--- vorlak stderr"; tail -20 "$W/vorlak.err"; exit 1; }
}

#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shared start of every end-to-end run: Xvfb, a window manager, an XEmbed tray and a
# notification daemon on a private session bus, a copy of the default data files, and the
# application with the simulated mouse driven through standard input (say LINE). Source it
# from a run script as: . "$(dirname "$0")/e2e_lib.sh" BIN_DIR OUT
# A run may define before_start DATA_DIR first: it edits the data files before the start.
# It defines pass/fail/check/wait_for/shot, main_window, tray_icon, balloon, click_in, say,
# described, and finish (prints the counts and sets the exit status).
set -uo pipefail
BIN=$1 OUT=$2
mkdir -p "$OUT"
W=$(mktemp -d)
export QT_QPA_PLATFORM=xcb GSETTINGS_BACKEND=memory
PIDS=()
cleanup() {
  exec 3>&- 2>/dev/null
  for ((i=${#PIDS[@]}-1; i>=0; i--)); do kill "${PIDS[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$W"
}
trap cleanup EXIT
PASSES=0 FAILS=0
pass() { echo "ok: $*"; PASSES=$((PASSES+1)); }
fail() { echo "FAIL: $*"; FAILS=$((FAILS+1)); }
check() { local what=$1; shift; if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi; }
wait_for() { local end=$(( $(date +%s) + $1 )); shift
  until "$@" >/dev/null 2>&1; do [ "$(date +%s)" -ge $end ] && return 1; sleep 0.1; done; }
shot() { import -window root "$OUT/$1.png" 2>/dev/null; }

# A free display: the server names the one it took.
Xvfb -screen 0 1280x800x24 -nolisten tcp -noreset -displayfd 4 4>"$W/displayfd" \
    2>"$W/xvfb.log" & PIDS+=($!)
wait_for 10 test -s "$W/displayfd" || { echo "FAIL: no X server"; exit 1; }
export DISPLAY=:$(head -1 "$W/displayfd")
openbox --sm-disable >"$W/openbox.log" 2>&1 & PIDS+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
if [ -z "${E2E_NO_TRAY:-}" ]; then  # E2E_NO_TRAY=1: a desktop without a tray
  trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel --height 32 \
      --SetDockType true --tint 0x333333 >"$W/trayer.log" 2>&1 & TRAYER=$!; PIDS+=($TRAYER)
  wait_for 10 xdotool search --classname '^panel$'
fi
dunst >"$W/dunst.log" 2>&1 & PIDS+=($!)
wait_for 10 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q "boolean true"'

data=$W/data; mkdir -p "$data"
cp "$BIN"/*.bin "$BIN"/*.ini "$data"/
if declare -F before_start >/dev/null; then before_start "$data"; fi  # a run's own data edits
mkfifo "$W/mouse"
"$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >"$W/vorlak.out" 2>"$W/vorlak.err" &
APP=$!; PIDS+=($APP)
exec 3>"$W/mouse"
say() { echo "$1" >&3; }

main_window() {  # the visible 1000-pixel-wide window of the application
  for w in $(xdotool search --onlyvisible --pid "$APP" --name '^Vorlak$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 1000x' && { echo "$w"; return 0; }
  done; return 1; }
no_main_window() { ! main_window; }
tray_icon() {  # Qt marks every window for XEmbed: the icon is the small one
  for w in $(xdotool search --pid "$APP" 2>/dev/null); do
    xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q = &&
      xwininfo -id "$w" | grep -q 'IsViewable' &&
      xwininfo -id "$w" | grep -qE 'Width: ([0-9]|[1-5][0-9])$' && { echo "$w"; return 0; }
  done; return 1; }
no_tray_icon() { ! tray_icon; }
balloon() { for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && { echo "$w"; return 0; }
  done; return 1; }
click_in() {  # click_in X Y: a point of the main window
  local win; win=$(main_window) || return 1
  xdotool mousemove --window "$win" "$1" "$2" click 1; }
described() { say describe; sleep 0.3; grep -q "$1" "$W/vorlak.out"; }

finish() {
  echo "screenshots in $OUT"
  echo "$PASSES passed, $FAILS failed"
  [ "$FAILS" = 0 ] || { echo "--- vorlak stderr"; tail -20 "$W/vorlak.err"; exit 1; }
}

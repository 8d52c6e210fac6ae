#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shared start of every Wayland end-to-end run (run_wayland.sh gives it a private session
# as an unprivileged user): a headless sway with one 1280x900 output and a bar whose tray is
# the StatusNotifierItem host, the input client (keyboard and pointer), a copy of the default
# data files, and the program with QT_QPA_PLATFORM=wayland and the simulated mouse driven
# through standard input (say LINE). Source it as: . "$(dirname "$0")/wayland_lib.sh" BIN OUT
# A run may define before_start DATA_DIR first: it edits the data files before the start.
# It defines pass/fail/check/wait_for/shot/pixel, the window helpers (window_rect, click_in,
# drag), pointer and key (the input client), type_text (wtype), tray helpers, say, described,
# and finish.
set -uo pipefail
BIN=$1 OUT=$2
W=$(dirname "$BIN")/work
mkdir -p "$W" "$OUT"
export QT_QPA_PLATFORM=wayland GSETTINGS_BACKEND=memory VORLAK_DEBUG=1
PIDS=()
cleanup() {
  exec 3>&- 2>/dev/null
  exec 5>&- 2>/dev/null
  for ((i=${#PIDS[@]}-1; i>=0; i--)); do kill "${PIDS[i]}" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT
PASSES=0 FAILS=0
pass() { echo "ok: $*"; PASSES=$((PASSES+1)); }
fail() { echo "FAIL: $*"; FAILS=$((FAILS+1)); }
check() { local what=$1; shift; if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi; }
wait_for() { local end=$(( $(date +%s) + $1 )); shift
  until "$@" >/dev/null 2>&1; do [ "$(date +%s)" -ge $end ] && return 1; sleep 0.1; done; }
skip_run() {
  if [ -n "${CI:-}" ]; then echo "FAIL: $1 (CI must run the Wayland runs)"; exit 1; fi
  echo "SKIP: $1"; exit 0
}

# The compositor: headless, drawn by the CPU, no input devices but the input client's.
# Focus moves by clicks, as on most desktops. Super+F12 is one of the desktop's own shortcuts.
# E2E_NO_TRAY=1: a desktop without a tray (the bar hosts none), with a notification daemon.
[ -z "${E2E_NO_TRAY:-}" ] || E2E_TRAY_OUTPUT=none
cat >"$W/sway.conf" <<CONF
output HEADLESS-1 resolution 1280x900 position 0 0
xwayland disable
focus_follows_mouse no
bar {
  position top
  tray_output ${E2E_TRAY_OUTPUT:-*}
}
bindsym Mod4+F12 exec touch $W/desktop-shortcut
CONF
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway --config "$W/sway.conf" >"$W/sway.log" 2>&1 & SWAY=$!; PIDS+=($SWAY)
sway_socket() { ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1; }
wayland_socket() { for s in "$XDG_RUNTIME_DIR"/wayland-*; do
    case $s in *.lock) ;; *) [ -S "$s" ] && { basename "$s"; return 0; } ;; esac; done; return 1; }
if ! wait_for 20 sh -c "ls '$XDG_RUNTIME_DIR'/sway-ipc.*.sock" || ! wait_for 10 wayland_socket; then
  tail -5 "$W/sway.log"
  skip_run "the headless compositor (sway) did not start"
fi
export SWAYSOCK=$(sway_socket) WAYLAND_DISPLAY=$(wayland_socket)
wait_for 10 swaymsg -t get_version || skip_run "sway does not answer on its socket"
# The bar's tray is the StatusNotifierItem host: its watcher is on the session bus.
watcher_up() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q "boolean true"; }
[ -n "${E2E_NO_TRAY:-}" ] || wait_for 10 watcher_up || fail "the bar's tray host is not on the bus"
notifier_up() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q "boolean true"; }
if [ -n "${E2E_NO_TRAY:-}" ]; then
  dunst >"$W/dunst.log" 2>&1 & PIDS+=($!)
  wait_for 10 notifier_up || fail "no notification daemon"
fi

# The keyboard and the pointer: one client, a command a line, "ok" once sway took it.
# A change of the seat's configuration detaches its devices: start_input makes them anew.
start_input() {
  [ -z "${INPUT_PID:-}" ] || { kill "$INPUT_PID"; wait "$INPUT_PID"; } 2>/dev/null
  coproc INPUT { "$BIN/input-client" "${E2E_LAYOUT:-us}" 2>"$W/input.err"; }
  PIDS+=($INPUT_PID)
  local ready; read -r -t 10 ready <&"${INPUT[0]}" && [ "$ready" = ready ]; }
start_input || { cat "$W/input.err"; skip_run "the input client found no virtual keyboard and pointer"; }
input() { local reply; echo "$*" >&"${INPUT[1]}"; read -r -t 10 reply <&"${INPUT[0]}"
  [ "$reply" = ok ] || { echo "input client: $* -> ${reply:-no answer}" >&2; return 1; }; }
pointer() { input "$@"; }
key() { input key "$@"; }
type_text() { wtype -d 20 "$1"; }   # text, as wtype types it (with a keymap of its own)

shot() { grim "$OUT/$1.png" 2>/dev/null; }
pixel() {  # pixel X Y: "R G B" of the output at that point
  grim -g "$1,$2 1x1" -t ppm - 2>/dev/null | tail -c 3 | od -An -tu1 | tr -s ' ' | sed 's/^ //;s/ $//'; }

# Windows of the compositor's tree: "ID X Y WIDTH HEIGHT FOCUSED TITLE" of each window of a
# process, with the window's own rectangle on the output.
windows_of() {
  swaymsg -t get_tree | jq -r --argjson pid "$1" '.. | objects | select(.pid? == $pid and .type != null and (.type == "con" or .type == "floating_con")) |
    "\(.id) \(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.width) \(.window_rect.height) \(.focused) \(.name)"'
}
window_sized() { windows_of "$APP" | awk -v w="$1" -v h="$2" '$4 == w && (h == "" || $5 == h) { print; f = 1; exit } END { exit !f }'; }
main_window() { window_sized 1000 ""; }
# The desktop's own grey shows where no window has drawn yet.
painted() { local r=($1); [ "$(pixel $(( r[1] + r[3] / 2 )) $(( r[2] + r[4] / 2 )))" != "63 63 63" ]; }
main_window_painted() { local win; win=$(main_window) && painted "$win"; }
no_main_window() { ! main_window; }
window_visible() {  # the window ID shows on the output (not in the scratchpad, not hidden)
  swaymsg -t get_tree | jq -e --argjson id "$1" '.. | objects | select(.id? == $id) | .visible' | grep -q true; }
focused() { windows_of "$1" | awk '$6 == "true" { f = 1 } END { exit !f }'; }
at_window() {  # at_window "RECT" X Y: the output point of a window point
  local r=($1); echo $(( r[1] + $2 )) $(( r[2] + $3 )); }
# A pointer comes to a point in more than one motion: a surface that has just appeared (a
# menu) gets the first one as its enter event and sees a move only with the next.
glide() { pointer move $(( $1 - 3 )) $(( $2 - 1 )) && pointer move "$1" "$2"; }
click_at() { glide "$1" "$2" && pointer click "${3:-left}"; }
click_in() {  # click_in X Y [BUTTON]: a point of the main window
  local win; win=$(main_window) || return 1
  click_at $(at_window "$win" "$1" "$2") "${3:-}"; }
drag() {  # drag X1 Y1 X2 Y2: with the left button held, on the output
  pointer move "$1" "$2" && pointer press && pointer move $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) &&
    pointer move "$3" "$4" && pointer release; }

# The StatusNotifierItems the bar's tray shows.
tray_items() { dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
    string:RegisteredStatusNotifierItems 2>/dev/null | grep -o '"[^"]*"' | tr -d '"'; }
tray_icon() { tray_items | grep -q .; }
no_tray_icon() { ! tray_icon; }

data=$W/data; mkdir -p "$data"
cp "$BIN"/*.bin "$BIN"/*.ini "$data"/
if declare -F before_start >/dev/null; then before_start "$data"; fi  # a run's own data edits
mkfifo "$W/mouse"
start_program() {  # start_program [NAME]: the program, its output in NAME.out and NAME.err
  local name=${1:-vorlak}
  "$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >"$W/$name.out" 2>"$W/$name.err" &
  APP=$!; PIDS+=($APP)
  exec 3>"$W/mouse"
  LOG=$W/$name.err OUTPUT=$W/$name.out
}
start_program
say() { echo "$1" >&3; }
# What the simulated mouse holds: its description ends with the options line.
describe() { local n; n=$(grep -c '^options:' "$OUTPUT"); say describe
  wait_for 5 sh -c "[ \$(grep -c '^options:' '$OUTPUT') -gt $n ]"; }
last_description() { tac "$OUTPUT" | sed -n '1,/^polling divisor:/p' | tac; }
described() { describe && last_description | grep -q -- "$1"; }
logged() { grep -q -- "$1" "$LOG"; }
ended() { ! kill -0 "$APP" 2>/dev/null; }

finish() {
  echo "screenshots in $OUT"
  echo "$PASSES passed, $FAILS failed"
  [ "$FAILS" = 0 ] || { echo "--- vorlak stderr"; tail -30 "$LOG"; echo "--- sway"; tail -10 "$W/sway.log"; exit 1; }
}

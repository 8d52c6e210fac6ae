#!/bin/bash
# The application on a real, headless desktop: Xvfb, a window manager, an XEmbed tray and a
# notification daemon on a private session bus, with the simulated mouse driven through
# standard input. Screenshots of each step go to OUT.
#   usage: desktop_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
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
trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel --height 32 \
    --SetDockType true --tint 0x333333 >"$W/trayer.log" 2>&1 & TRAYER=$!; PIDS+=($TRAYER)
wait_for 10 xdotool search --classname '^panel$'
dunst >"$W/dunst.log" 2>&1 & PIDS+=($!)
wait_for 10 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q "boolean true"'

data=$W/data; mkdir -p "$data"
cp "$BIN"/*.bin "$BIN"/*.ini "$data"/
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
tray_icon() { for w in $(xdotool search --pid "$APP" 2>/dev/null); do
    xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q = &&
      xwininfo -id "$w" | grep -q 'IsViewable' && { echo "$w"; return 0; }; done; return 1; }
no_tray_icon() { ! tray_icon; }
balloon() { for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && { echo "$w"; return 0; }
  done; return 1; }
click_in() {  # click_in X Y: a point of the main window
  local win; win=$(main_window) || return 1
  xdotool mousemove --window "$win" "$1" "$2" click 1; }
described() { say describe; sleep 0.3; grep -q "$1" "$W/vorlak.out"; }

sleep 1; shot 01-splash
wait_for 15 main_window && pass "the main window shows after the splash" || fail "no main window"
shot 02-main-window
check "the tray icon is there" wait_for 10 tray_icon

click_in 986 12
check "Close hides the window" wait_for 5 no_main_window
check "the tray icon stays" tray_icon
shot 03-closed

ICON=$(tray_icon) && xdotool mousemove --window "$ICON" 5 5 click --repeat 2 --delay 80 1
check "a double click on the tray icon shows the window again" wait_for 5 main_window
shot 04-shown-from-tray

click_in 141 167      # open the axis section
sleep 0.3
click_in 240 206      # the X slider near its right end
sleep 0.3
shot 05-axis-section
before=$(md5sum <"$data/config0.bin")
saved() { [ "$(md5sum <"$data/config0.bin")" != "$before" ]; }
click_in 951 619      # Apply
sleep 0.5; shot 06-applying
check "Apply ends with the profile saved" wait_for 20 saved
check "and the simulated mouse holds the record" wait_for 5 described 'sensitivity: 2[02]0'
shot 07-applied

say unplug
check "unplug hides the window" wait_for 5 no_main_window
check "the warning reaches the user" wait_for 5 balloon
shot 08-unplugged-warning
check "unplug removes the tray icon" wait_for 10 no_tray_icon
shot 09-unplugged

say plug
check "plug brings the tray icon back" wait_for 10 tray_icon
check "with its Info notice" wait_for 5 balloon
shot 10-plugged

"$BIN/vorlak" --simulate --data-dir "$data" </dev/null >"$W/second.out" 2>&1 & SECOND=$!; PIDS+=($SECOND)
check "a second start ends by itself" wait_for 10 sh -c "! kill -0 $SECOND"
check "and leaves the first running" kill -0 "$APP"
[ "$(xdotool search --onlyvisible --name '^Vorlak$' 2>/dev/null | wc -l)" -le 1 ] &&
  pass "one instance on screen" || fail "a second window"

no_balloon() { ! balloon; }
wait_for 10 no_balloon
ICON=$(tray_icon) && xdotool mousemove --window "$ICON" 5 5 click 3
sleep 0.5; shot 11-tray-menu
xdotool key Down Return
check "Exit from the tray menu ends the program" wait_for 10 sh -c "! kill -0 $APP"

# Without any tray the notices go to the desktop's notification service.
kill "$TRAYER"; wait "$TRAYER" 2>/dev/null
"$BIN/vorlak" --simulate --data-dir "$data" <"$W/mouse" >"$W/vorlak2.out" 2>"$W/vorlak2.err" &
APP=$!; PIDS+=($APP)
exec 3>"$W/mouse"
wait_for 15 main_window
notified() { dunstctl history | grep -q "$1"; }   # shown and closed again
on_screen() { [ "$(dunstctl count displayed)" -ge 1 ]; }
say unplug
wait_for 10 on_screen && sleep 0.3 && shot 12-no-tray-warning
check "without a tray the warning reaches the notification service" \
    wait_for 10 notified "The system did not detect Vorlak!"
say plug
check "and so does the Info notice" wait_for 10 notified "The system detect Vorlak."
kill "$APP"

echo "screenshots in $OUT"
echo "$PASSES passed, $FAILS failed"
[ "$FAILS" = 0 ] || { echo "--- vorlak stderr"; tail -20 "$W/vorlak.err"; exit 1; }

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the main window in each language, with its sections closed and open, and of
# the settings column with every section open, at its top and bottom, of an assignment menu
# with its multimedia submenu open over the window, of the macro manager and of the profile
# manager over the window's left column; of the window with its
# sections open and of the macro manager at 100 %, 150 % and 200 % (QT_SCALE_FACTOR), in English,
# and at 200 % in each language: <language>[-macro-manager]-scale-<factor>.png. Taken on a
# private Xvfb with the simulated mouse: docs/screenshots/<language>-<state>.png (the README
# shows them), or
# FOLDER/<language>-<state>.png with scripts/screenshots.sh FOLDER, of the programs in BIN_DIR
# (default build/bin) with scripts/screenshots.sh FOLDER BIN_DIR. Each picture is taken once
# the window shows the step before it and has come to rest; without a session bus no desktop
# notification covers the window.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots} bin=${2:-build/bin}
mkdir -p "$out"
W=$(mktemp -d)
. tests/e2e/desktop_lib.sh
trap 'kill ${APP:-} 2>/dev/null || true; stop_desktop; rm -rf "$W"' EXIT
XVFB_SCREEN=2600x1700x24 start_display "$W"   # room for the window at 200 %
export XDG_RUNTIME_DIR=$W GSETTINGS_BACKEND=memory DBUS_SESSION_BUS_ADDRESS=disabled:
start_window_manager "$W"
click() { xdotool mousemove --window "$win" "$1" "$2" click "${3:-1}"; }
dialog() {  # dialog WxH: the program's visible window of that size
  for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Geometry: $1\$" && { echo "$w"; return 0; }
  done; return 1; }
no_dialog() { ! dialog "$1"; }
start_in() {  # start_in LANGUAGE [SCALE]: the window on fresh data in LANGUAGE, shown
  local data=$W/$1-${2:-1}; mkdir -p "$data"; cp "$bin"/*.bin "$bin"/*.ini "$data"/
  sed -i "s/^Lan=.*/Lan=$1/" "$data"/str*.ini
  QT_SCALE_FACTOR=${2:-1} "$bin"/vorlak --simulate --data-dir "$data" </dev/null >/dev/null 2>&1 &
  APP=$!
  MAIN_WIDTH=$(awk "BEGIN { print 1000 * ${2:-1} }") main_shown
  win=$(MAIN_WIDTH=$(awk "BEGIN { print 1000 * ${2:-1} }") main_window)
}
stop() { kill "$APP"; wait "$APP" 2>/dev/null || true; }
for lan in EN DE CHS CHT; do
  start_in "$lan"
  import -window "$win" "$out/$lan-closed.png"
  redrawn "$win" click 141 117    # button assignment
  redrawn "$win" click 141 455    # axis, moved down by it
  import -window "$win" "$out/$lan-open.png"
  redrawn "$win" click 549 541    # side view
  import -window "$win" "$out/$lan-side.png"
  for y in 169 144 119 94 69 44; do redrawn "$win" click 835 "$y"; done   # every settings section
  import -window "$win" "$out/$lan-settings-top.png"
  xdotool mousemove --window "$win" 850 300
  for _ in 1 2 3 4 5 6 7; do redrawn "$win" xdotool click 5 || break; done   # to the bottom
  import -window "$win" "$out/$lan-settings-bottom.png"
  redrawn root xdotool mousemove --window "$win" 185 161 click 1   # Button 2's menu
  redrawn root xdotool mousemove --window "$win" 300 326           # its multimedia submenu
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$out/$lan-menu.png"
  xdotool key Escape key Escape; wait_for 5 no_popup_menu
  click 140 430; wait_for 5 dialog 490x432                      # the macro manager
  dlg=$(dialog 490x432); wait_for 5 still "$dlg"
  import -window "$dlg" "$out/$lan-macros.png"
  xdotool mousemove --window "$dlg" 381 408 click 1; wait_for 5 no_dialog 490x432   # Cancel
  redrawn "$win" click 54 619                                   # the profile manager
  import -window "$win" "$out/$lan-profiles.png"
  stop
done
# At a scale the window's pixels are that many device pixels: the clicks scale too.
manager() {  # the macro manager's window: 490 x 432 window pixels
  for w in $(xdotool search --all --onlyvisible --pid "$APP" --name '^Macro Manager$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Geometry: $(at 490)x$(at 432)" && { echo "$w"; return 0; }
  done; return 1; }
no_manager() { ! manager; }
drawn() { [ "$(import -window "$1" -format '%[fx:mean>0]' info: 2>/dev/null)" = 1 ]; }  # not black
for shot in EN:1 EN:1.5 EN:2 DE:2 CHS:2 CHT:2; do
  lan=${shot%:*} scale=${shot#*:}
  start_in "$lan" "$scale"
  at() { awk "BEGIN { print int($1 * $scale) }"; }
  if [ "$lan" = EN ]; then
    click "$(at 141)" "$(at 142)"                 # macro manager
    wait_for 10 manager && wait_for 5 drawn "$(manager)" && wait_for 5 still "$(manager)"
    import -window "$(manager)" "$out/$lan-macro-manager-scale-$scale.png"
    xdotool mousemove --window "$(manager)" "$(at 381)" "$(at 408)" click 1   # Cancel
    wait_for 5 no_manager
  fi
  redrawn "$win" click "$(at 141)" "$(at 117)"    # button assignment
  redrawn "$win" click "$(at 141)" "$(at 455)"    # axis
  redrawn "$win" click "$(at 835)" "$(at 44)"     # DPI setting
  import -window "$win" "$out/$lan-scale-$scale.png"
  stop
done
echo "screenshots in $out"

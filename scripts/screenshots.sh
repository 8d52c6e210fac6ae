#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the main window in each language, with its sections closed and open, and of
# the settings column with every section open, at its top and bottom; taken on a private Xvfb
# with the simulated mouse: docs/screenshots/<language>-<state>.png (the README shows them), or
# FOLDER/<language>-<state>.png with scripts/screenshots.sh FOLDER.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
mkdir -p "$out"
W=$(mktemp -d)
trap 'kill ${app:-} ${wm:-} ${xvfb:-} 2>/dev/null; rm -rf "$W"' EXIT
Xvfb -screen 0 1280x800x24 -nolisten tcp -displayfd 3 3>"$W/display" 2>/dev/null & xvfb=$!
until [ -s "$W/display" ]; do sleep 0.1; done
export DISPLAY=:$(head -1 "$W/display") XDG_RUNTIME_DIR=$W GSETTINGS_BACKEND=memory
openbox --sm-disable >/dev/null 2>&1 & wm=$!
window() { xdotool search --onlyvisible --name '^Vorlak$' 2>/dev/null | while read -r w; do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 1000x' && echo "$w"; done | head -1; }
for lan in EN DE CHS CHT; do
  data=$W/$lan; mkdir -p "$data"; cp build/bin/*.bin build/bin/*.ini "$data"/
  sed -i "s/^Lan=.*/Lan=$lan/" "$data"/str*.ini
  build/bin/vorlak --simulate --data-dir "$data" </dev/null >/dev/null 2>&1 & app=$!
  for _ in $(seq 100); do [ -n "$(window)" ] && break; sleep 0.1; done
  win=$(window); sleep 0.3
  import -window "$win" "$out/$lan-closed.png"
  xdotool mousemove --window "$win" 141 117 click 1; sleep 0.3    # button assignment
  xdotool mousemove --window "$win" 141 455 click 1; sleep 0.3    # axis, moved down by it
  import -window "$win" "$out/$lan-open.png"
  xdotool mousemove --window "$win" 549 541 click 1; sleep 0.3    # side view
  import -window "$win" "$out/$lan-side.png"
  for y in 169 144 119 94 69 44; do                               # every settings section
    xdotool mousemove --window "$win" 835 "$y" click 1; sleep 0.2; done
  sleep 0.2; import -window "$win" "$out/$lan-settings-top.png"
  xdotool mousemove --window "$win" 850 300 click --repeat 7 --delay 100 5; sleep 0.3
  import -window "$win" "$out/$lan-settings-bottom.png"
  kill "$app"; wait "$app" 2>/dev/null || true
done
echo "screenshots in $out"

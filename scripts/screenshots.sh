#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the main window in each language, with its sections closed and open, and of
# the settings column with every section open, at its top and bottom; taken on a private Xvfb
# with the simulated mouse: docs/screenshots/<language>-<state>.png (the README shows them), or
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
start_display "$W"
export XDG_RUNTIME_DIR=$W GSETTINGS_BACKEND=memory DBUS_SESSION_BUS_ADDRESS=disabled:
start_window_manager "$W"
click() { xdotool mousemove --window "$win" "$1" "$2" click "${3:-1}"; }
for lan in EN DE CHS CHT; do
  data=$W/$lan; mkdir -p "$data"; cp "$bin"/*.bin "$bin"/*.ini "$data"/
  sed -i "s/^Lan=.*/Lan=$lan/" "$data"/str*.ini
  "$bin"/vorlak --simulate --data-dir "$data" </dev/null >/dev/null 2>&1 & APP=$!
  main_shown
  win=$(main_window)
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
  kill "$APP"; wait "$APP" 2>/dev/null || true
done
echo "screenshots in $out"

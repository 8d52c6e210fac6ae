#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's memory at 100 % and 200 % (QT_SCALE_FACTOR): the program on the simulated mouse,
# on a private Xvfb with room for the window at 200 %, once it shows both views of the mouse and
# every settings section (so that it has read those skin images); its peak and current resident
# memory, its proportional share (PSS: shared libraries divided among the processes that map
# them) and its own memory (private pages), in MB. At 200 % it is measured with the twice-sized
# skin images and once more without them, as the window was before it had them. Prints figures,
# asserts nothing.
#   usage: bench/window_memory.sh [BIN_DIR]   (default build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
W=$(mktemp -d)
. tests/e2e/desktop_lib.sh
trap 'kill ${APP:-} 2>/dev/null || true; stop_desktop; rm -rf "$W"' EXIT
XVFB_SCREEN=2600x1700x24 start_display "$W"
export XDG_RUNTIME_DIR=$W GSETTINGS_BACKEND=memory DBUS_SESSION_BUS_ADDRESS=disabled:
start_window_manager "$W"
mkdir -p "$W/plain" && cp -r "$bin"/. "$W/plain"/ && find "$W/plain/Skins" -name '*@2x.png' -delete

at() { echo $(($1 * SCALE)); }   # a window pixel at the scale measured
mb() { awk "BEGIN { print $1 / 1024 }"; }
kb() { awk -v key="$1:" '$1 == key { print $2 }' "$2"; }
measure() {  # measure NAME BIN_DIR SCALE
  local data=$W/data-$1 win
  SCALE=$3
  mkdir -p "$data"; cp "$2"/*.bin "$2"/*.ini "$data"/
  QT_SCALE_FACTOR=$3 "$2/vorlak" --simulate --data-dir "$data" </dev/null >/dev/null 2>&1 & APP=$!
  export MAIN_WIDTH=$((1000 * $3))
  main_shown; win=$(main_window)
  redrawn "$win" xdotool mousemove --window "$win" "$(at 549)" "$(at 541)" click 1   # side view
  for y in 169 144 119 94 69 44; do   # every settings section
    redrawn "$win" xdotool mousemove --window "$win" "$(at 835)" "$(at "$y")" click 1
  done
  xdotool mousemove 0 0; wait_for 5 still "$win"
  local rollup=/proc/$APP/smaps_rollup
  printf '%-30s peak RSS %5.1f MB  RSS %5.1f MB  PSS %5.1f MB  private %5.1f MB\n' "$1" \
    "$(mb "$(kb VmHWM "/proc/$APP/status")")" "$(mb "$(kb VmRSS "/proc/$APP/status")")" \
    "$(mb "$(kb Pss "$rollup")")" "$(mb $(($(kb Private_Clean "$rollup") + $(kb Private_Dirty "$rollup"))))"
  kill "$APP"; wait "$APP" 2>/dev/null || true
}
echo "== the window's memory, both views and every settings section shown"
measure "at 100 %" "$bin" 1
measure "at 200 %, 100 % images only" "$W/plain" 2
measure "at 200 %, twice-sized images" "$bin" 2

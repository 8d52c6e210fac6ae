# SPDX-License-Identifier: GPL-3.0-or-later
# The headless desktop shared by the end-to-end runs, the installed-layout test, the
# screenshots and the benchmarks: an X server on a free display, a window manager and an
# XEmbed tray, each started only when the one before answers; and the waits on what a step
# needs (a condition, a window's picture that changed and came to rest), and the windows of
# the program whose process is APP. Source it; every process started here is added to
# DESKTOP_PIDS, which stop_desktop ends.

DESKTOP_PIDS=()

# wait_for SECONDS COMMAND...: until COMMAND succeeds; fails when the time is up.
wait_for() { local end=$(( $(date +%s) + $1 )); shift
  until "$@" >/dev/null 2>&1; do [ "$(date +%s)" -ge $end ] && return 1; sleep 0.1; done; }

# start_display FOLDER: Xvfb on a display it chose itself, of XVFB_SCREEN (default 1280x800x24);
# exports DISPLAY.
start_display() {
  Xvfb -screen 0 "${XVFB_SCREEN:-1280x800x24}" -nolisten tcp -noreset -displayfd 4 4>"$1/displayfd" \
      2>"$1/xvfb.log" & DESKTOP_PIDS+=($!)
  wait_for 10 test -s "$1/displayfd" || { echo "no X server: $(tail -3 "$1/xvfb.log")"; return 1; }
  export DISPLAY=:$(head -1 "$1/displayfd")
}

# start_window_manager FOLDER: openbox, once it has announced itself on the root window.
start_window_manager() {
  openbox --sm-disable >"$1/openbox.log" 2>&1 & DESKTOP_PIDS+=($!)
  wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

# start_tray FOLDER: an XEmbed tray at the bottom right, once its panel is mapped; TRAYER is
# its process.
start_tray() {
  trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
      --height 32 --SetDockType true --tint 0x333333 >"$1/trayer.log" 2>&1 &
  TRAYER=$!; DESKTOP_PIDS+=($TRAYER)
  wait_for 10 xdotool search --classname '^panel$'
}

stop_desktop() {
  local i; for ((i=${#DESKTOP_PIDS[@]}-1; i>=0; i--)); do kill "${DESKTOP_PIDS[i]}" 2>/dev/null; done
}

# picture WINDOW: a checksum of the window's pixels ("root" for the whole screen).
picture() { local sum; sum=$(import -window "$1" rgb:- 2>/dev/null | md5sum)
  [ "${sum:0:32}" != d41d8cd98f00b204e9800998ecf8427e ] && echo "${sum:0:32}"; }
# still WINDOW: its picture stays the same over two looks in a row (a repaint has ended).
still() { local a b; a=$(picture "$1"); sleep 0.1; b=$(picture "$1"); [ -n "$a" ] && [ "$a" = "$b" ]; }
picture_differs() { [ "$(picture "$1")" != "$2" ]; }
# redrawn WINDOW COMMAND...: runs COMMAND, then waits until the window shows something else
# and has come to rest. Fails when the picture did not change within ten seconds.
redrawn() { local win=$1 before; shift; before=$(picture "$win")
  "$@" || return 1
  wait_for 10 picture_differs "$win" "$before" || return 1
  wait_for 5 still "$win"; return 0; }

# has_focus WINDOW: the keyboard focus is on it, so keys from XTEST go to it.
has_focus() { [ -n "$1" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# key_in WINDOW KEY...: the keys, once WINDOW has the focus; fails without the window.
key_in() { local win=$1; shift; wait_for 5 has_focus "$win" && xdotool key "$@"; }

# The windows of the program whose process is APP. (xdotool's search takes a window that
# meets any one of its criteria unless told --all.)
main_window() {  # the visible 1000-pixel-wide window of the application (MAIN_WIDTH when scaled)
  for w in $(xdotool search --all --onlyvisible --pid "$APP" --name '^Vorlak$' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Geometry: ${MAIN_WIDTH:-1000}x" && { echo "$w"; return 0; }
  done; return 1; }
no_main_window() { ! main_window; }
main_shown() { wait_for 15 main_window && wait_for 5 still "$(main_window)"; }  # and painted
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
# menu_shown: a popup menu of the program is mapped and drawn, and so holds the keyboard.
menu_shown() { wait_for 5 popup_menu && wait_for 5 still "$(popup_menu)"; }
# A popup menu of the program is mapped: a window the window manager does not manage that is
# neither a tooltip nor the tray icon (Qt's menus and the skinned menus alike). popup_menus
# lists every one, popup_menu names one, popup_besides MENU one other than MENU (its submenu).
popup_menus() { local icon; icon=$(tray_icon)
  for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    [ "$w" != "$icon" ] && xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' &&
      ! xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && echo "$w"
  done; }
popup_menu() { local w; w=$(popup_menus | head -1); [ -n "$w" ] && echo "$w"; }
popup_besides() { local w; w=$(popup_menus | grep -vx "$1" | head -1); [ -n "$w" ] && echo "$w"; }
no_popup_menu() { ! popup_menu; }

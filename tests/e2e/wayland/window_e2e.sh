#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on Wayland: it shows after the splash with its tray item in the bar; dragged by
# its background it moves (the compositor's interactive move); Close and Minimise, then a
# click on the tray icon bring it back; a second start leaves the first alone; the tray menu
# (as the bar shows it, and as menu hosts read it over D-Bus) starts with the desktop and
# Exit ends the program.
#   usage: window_e2e.sh BIN_DIR OUT   (run_wayland.sh gives it its compositor and session)
. "$(dirname "$0")/wayland_lib.sh" "$@"

TRAY_X=1270 TRAY_Y=11   # the bar's tray: the only icon, at the right end
origin() { main_window | awk '{ print $2, $3 }'; }
moved_from() { [ "$(origin)" != "$1" ]; }

wait_for 20 main_window_painted && pass "the main window shows" || fail "no main window"
shot 01-main-window
check "the tray item is listed by the bar" wait_for 10 tray_icon
check "the window has the focus" wait_for 5 focused "$APP"

# A click without a drag leaves it where it is.
before=$(origin)
click_in 600 40
check "a click on the background leaves the window in place" test "$(origin)" = "$before"

# A drag on the background: once the pointer has gone the drag distance with the button held,
# the program hands the move to the compositor, which from then on moves the window with the
# pointer. The compositor starts the move where the pointer is when the request arrives, which
# under load is a few motions later: the pointer goes on a pixel at a time until the window
# follows (a motion to the point where the move began would not move it), and from there the
# window must go exactly as far as the pointer.
before=$(origin); win=($(main_window))
x=$(( win[1] + 600 )) y=$(( win[2] + 40 ))
glide "$x" "$y" && pointer press && pointer move $(( x + 10 )) $(( y + 5 ))
dx=10
follows() { dx=$(( dx + 1 )); pointer move $(( x + dx )) $(( y + 5 )) && moved_from "$before"; }
check "a drag on the background moves the window" wait_for 10 follows
was=($(origin)) x=$(( x + dx )) y=$(( y + 5 ))
pointer move $(( x + 60 )) $(( y + 30 )) && pointer move $(( x + 110 )) $(( y + 55 )) &&
  pointer release
after=($(origin))
check "it follows the pointer" test $(( after[0] - was[0] )) = 110 -a $(( after[1] - was[1] )) = 55
wait_for 5 main_window_painted
shot 02-moved

click_in 986 12                                    # Close: to the tray
check "Close hides the window" wait_for 5 no_main_window
check "the tray icon stays" tray_icon
shot 03-closed
click_at "$TRAY_X" "$TRAY_Y"
check "a click on the tray icon shows the window again" wait_for 10 main_window_painted
check "and gives it the focus" wait_for 5 focused "$APP"
shot 04-shown-from-tray

# sway has no minimised state (it keeps the window where it is): after Minimise a click on
# the tray icon brings the window to the front. (Wayland lets no program take the focus by
# itself: without an activation token from the bar, sway leaves the focus where it is.)
click_in 965 12                                    # Minimise
click_at 640 870                                   # the desktop takes the focus
unfocused() { ! focused "$APP"; }
check "the window loses the focus" wait_for 5 unfocused
click_at "$TRAY_X" "$TRAY_Y"
check "after Minimise a click on the tray icon brings the window back" wait_for 10 main_window_painted
shot 05-after-minimise

# A second start ends by itself and leaves the first running.
"$BIN/vorlak" --simulate --data-dir "$data" </dev/null >"$W/second.out" 2>&1 & SECOND=$!; PIDS+=($SECOND)
check "a second start ends by itself" wait_for 10 sh -c "! kill -0 $SECOND"
check "and leaves the first running" kill -0 "$APP"
check "one main window on screen" test "$(windows_of "$APP" | wc -l)" = 1

# The tray menu as menu hosts read it (KDE Plasma, the AppIndicator extension, waybar).
item=$(tray_items | head -1); service=${item%%/*}
menu_layout() { dbus-send --session --print-reply --dest="$service" /MenuBar \
    com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:label 2>/dev/null; }
offers_exit() { menu_layout | grep -q '"Exit"'; }
check "the tray menu offers Exit" offers_exit
menu_id() { menu_layout | awk -v label="$1" 'index($0, "struct {") { getline; id = $2 } index($0, label) { print id; exit }'; }
autostart_id=$(menu_id '"Start with the desktop"')
dbus-send --session --print-reply=literal --dest="$service" /MenuBar com.canonical.dbusmenu.Event \
    int32:"${autostart_id:-0}" string:clicked variant:int32:0 uint32:0 >/dev/null
check "its autostart item starts the program with the desktop" \
    wait_for 5 test -e "$XDG_CONFIG_HOME/autostart/org.vorlak.Vorlak.desktop"

exit_id=$(menu_id '"Exit"')
dbus-send --session --print-reply=literal --dest="$service" /MenuBar com.canonical.dbusmenu.Event \
    int32:"${exit_id:-0}" string:clicked variant:int32:0 uint32:0 >/dev/null
check "Exit from the tray menu ends the program" wait_for 10 ended
check "and its tray item goes" wait_for 10 no_tray_icon
shot 06-ended
finish

#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland desktop without a tray (as GNOME without its AppIndicator extension): a note names
# the extension once, the mouse's notices come as desktop notifications, Close minimises
# instead of hiding, and the desktop's own close ends the program.
#   usage: notray_e2e.sh BIN_DIR OUT   (run_wayland.sh gives it its compositor and session)
E2E_NO_TRAY=1
. "$(dirname "$0")/wayland_lib.sh" "$@"

seen() { grep -q -- "$1" "$W/notifications" 2>/dev/null; }
# Every notification as it arrives, from the session bus.
dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" \
    >"$W/notifications" 2>&1 & PIDS+=($!)

wait_for 20 main_window_painted && pass "the main window shows without a tray" || fail "no main window"
check "no tray item is listed" no_tray_icon
check "a note names the AppIndicator extension" wait_for 20 seen "gnome-shell-extension-appindicator"
shot 01-no-tray-note

click_in 986 12                                    # Close: no tray to hide into
check "Close leaves the program running" kill -0 "$APP"
shot 02-closed-without-tray

say unplug
check "the warning that the mouse was lost is a desktop notification" \
    wait_for 10 seen "The system did not detect Vorlak!"
say plug
check "and so is the notice of its return" wait_for 10 seen "The system detect Vorlak."
shot 03-plugged

swaymsg "[pid=$APP] kill" >/dev/null                # the desktop closes the window
check "the desktop's close ends the program" wait_for 10 ended
finish

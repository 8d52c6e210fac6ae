#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop without a tray: the mouse's events become desktop notifications, and each new
# one replaces the one still shown instead of piling up.
#   usage: notices_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
E2E_NO_TRAY=1
. "$(dirname "$0")/e2e_lib.sh" "$@"

# Every notification the program hands to the notification service, as the bus carries it.
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    >"$W/notify.log" 2>&1 & PIDS+=($!)
wait_for 5 grep -q NameAcquired "$W/notify.log"
notified() { grep -c 'member=Notify' "$W/notify.log"; }
notified_since() { [ "$(notified)" -gt "$1" ]; }

main_shown && pass "the main window shows without a tray" || fail "no main window"
for press in 1 2 3 4 5 6; do
  sent=$(notified); say dpi
  wait_for 5 notified_since "$sent" || fail "no notification for DPI press $press"
done
check "the DPI notices were shown" wait_for 5 sh -c '[ "$(dunstctl count displayed)" -ge 1 ]'
shot 01-one-notice
shown=$(( $(dunstctl count displayed) + $(dunstctl count waiting) ))
[ "$shown" -le 1 ] && pass "one notification on screen after six DPI presses" ||
  fail "$shown notifications on screen after six DPI presses"
finish

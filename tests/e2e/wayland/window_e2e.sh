#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on Wayland: it shows after the splash, its tray item is listed by the bar.
#   usage: window_e2e.sh BIN_DIR OUT   (run_wayland.sh gives it its compositor and session)
. "$(dirname "$0")/wayland_lib.sh" "$@"

wait_for 20 main_window_painted && pass "the main window shows" || fail "no main window"
shot 01-main-window
main_window
check "the tray item is listed by the bar" wait_for 10 tray_icon
finish

#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop without a tray: the mouse's events become desktop notifications, and each new
# one replaces the one still shown instead of piling up.
#   usage: notices_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
E2E_NO_TRAY=1
. "$(dirname "$0")/e2e_lib.sh" "$@"

wait_for 15 main_window && pass "the main window shows without a tray" || fail "no main window"
for _ in 1 2 3 4 5 6; do say dpi; sleep 0.3; done
check "the DPI notices were shown" wait_for 5 sh -c '[ "$(dunstctl count displayed)" -ge 1 ]'
sleep 0.5; shot 01-one-notice
shown=$(( $(dunstctl count displayed) + $(dunstctl count waiting) ))
[ "$shown" -le 1 ] && pass "one notification on screen after six DPI presses" ||
  fail "$shown notifications on screen after six DPI presses"
finish

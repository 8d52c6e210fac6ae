#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop whose pointer settings Vorlak cannot reach (a Wayland desktop without a backend,
# named Hyprland here): after the first Apply a desktop notification says which settings
# stayed as they were and why, in the profile's language; a second Apply says it no more.
#   usage: pointer_e2e.sh BIN_DIR OUT   (run_e2e.sh gives it its private session)
before_start() {  # the session the program sees (the X server still serves its window)
  export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=Hyprland
  sed -i 's/^Lan=.*/Lan=EN/' "$1"/str*.ini
}
. "$(dirname "$0")/e2e_lib.sh" "$@"

shown() { [ "$(dunstctl count displayed)" -ge 1 ]; }
none_shown() { [ "$(dunstctl count displayed)" -eq 0 ]; }
told() {  # told TEXT: a notification closed into the history holds TEXT
  dunstctl close-all; dunstctl history >"$W/told.json"; grep -qF "$1" "$W/told.json"; }

for lan in EN DE CHS CHT; do
  if [ "$lan" != EN ]; then
    stop_app; sed -i "s/^Lan=.*/Lan=$lan/" "$data"/str*.ini; start_app
  fi
  wait_for 15 main_window && pass "$lan: the main window shows" || fail "$lan: no main window"
  wait_for 10 tray_icon
  check "$lan: Apply hands the settings over" apply
  check "$lan: a notice after Apply" wait_for 5 shown
  shot "notice-$lan"
  check "$lan: it names the desktop" told "Hyprland"
  dunstctl history-clear
done

# The same refusals after another Apply are not told again.
check "a second Apply hands the settings over again" apply
sleep 2   # a notice would come at once after the write; none may come
check "and tells nothing new" none_shown
shot notice-not-repeated
finish

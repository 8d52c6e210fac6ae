#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout at work: installs the build into a temporary root with a read-only
# program folder, runs the installed vorlakctl and vorlak with a fresh home, and checks that
# the data folder is seeded in $XDG_CONFIG_HOME/vorlak, that a second run finds it, that the
# installed window shows the same first screen as the build's (its skins were found), and
# that the tray menu's item writes and removes a valid autostart entry; and that the package's
# Depends (DEPENDS, with the libraries the programs link) bring every library and Qt plugin the
# running window loaded, and the platform plugins of the desktops it runs on.
#   usage: dbus-run-session -- installed_test.sh BUILD_DIR OUT DEPENDS
set -uo pipefail
BUILD=$(cd "$1" && pwd) OUT=$2 DEPENDS=$3
mkdir -p "$OUT"
W=$(mktemp -d)
. "$(dirname "$0")/../e2e/desktop_lib.sh"
PIDS=()
cleanup() {
  for ((i=${#PIDS[@]}-1; i>=0; i--)); do kill "${PIDS[i]}" 2>/dev/null; done
  stop_desktop
  wait 2>/dev/null
  chmod -R u+w "$W" 2>/dev/null; rm -rf "$W"
}
trap cleanup EXIT
PASSES=0 FAILS=0
pass() { echo "ok: $*"; PASSES=$((PASSES+1)); }
fail() { echo "FAIL: $*"; FAILS=$((FAILS+1)); }
check() { local what=$1; shift; if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi; }

ROOT=$W/root
DESTDIR=$ROOT cmake --install "$BUILD" --prefix /usr >"$W/install.log" || { echo "FAIL: install"; exit 1; }
chmod -R a-w "$ROOT/usr/bin"
mkdir -m 700 "$W/home" "$W/config" "$W/xdg"
export HOME=$W/home XDG_CONFIG_HOME=$W/config XDG_RUNTIME_DIR=$W/xdg GSETTINGS_BACKEND=memory
unset VORLAK_DATA_DIR
DATA=$XDG_CONFIG_HOME/vorlak BIN=$ROOT/usr/bin DEFAULTS=$ROOT/usr/share/vorlak/defaults

VORLAK_DEBUG=1 "$BIN/vorlakctl" show >"$W/show1.out" 2>"$W/show1.err"
check "installed vorlakctl show succeeds" test $? = 0
check "it chose the user's data folder" grep -q "Data folder (user): $DATA/" "$W/show1.err"
check "and seeded it" grep -q "Seeding $DATA/" "$W/show1.err"
seeded() { for f in "$DEFAULTS"/*; do cmp -s "$f" "$DATA/${f##*/}" || return 1; done; }
check "the data folder holds the installed defaults" seeded
check "nothing was written beside the program" test "$(ls "$BIN")" = "$(printf 'vorlak\nvorlakctl')"
check "the skins are found in the shared folder" \
    grep -q "Skins: $ROOT/usr/share/vorlak/Skins" "$W/show1.err"
twins() { (cd "$1" && find . -name '*@2x.png' | sort); }
check "every twice-sized skin image is installed ($(twins "$BUILD/bin/Skins" | wc -l))" \
    test -n "$(twins "$BUILD/bin/Skins")" -a "$(twins "$BUILD/bin/Skins")" = \
    "$(twins "$ROOT/usr/share/vorlak/Skins")"

"$BIN/vorlakctl" --simulate apply >"$W/apply.out" 2>&1
check "installed vorlakctl apply succeeds" test $? = 0
sed -i 's/^Lan=.*/Lan=DE/' "$DATA/str0.ini"
VORLAK_DEBUG=1 "$BIN/vorlakctl" show >"$W/show2.out" 2>"$W/show2.err"
check "a second run uses the same folder" grep -q "Data folder (user): $DATA/" "$W/show2.err"
check "without seeding it again" sh -c "! grep -q Seeding '$W/show2.err'"
check "and reads what the user changed there" sh -c "! cmp -s '$W/show1.out' '$W/show2.out'"
sed -i 's/^Lan=.*/Lan=EN/' "$DATA/str0.ini"

# The first screen of the installed window against the build's, on a headless desktop.
start_display "$W" || { echo "FAIL: no X server"; exit 1; }
export QT_QPA_PLATFORM=xcb
start_window_manager "$W"
start_tray "$W"

first_screen() {  # first_screen NAME PROGRAM [ARGS...]: a picture of its main window
  local name=$1; shift
  "$@" --simulate </dev/null >"$W/$name.out" 2>&1 & APP=$!; PIDS+=($APP)
  wait_for 20 main_window || { fail "$name: no main window"; return 1; }
  wait_for 5 still "$(main_window)"; import -window "$(main_window)" "$OUT/$name.png"
}
pixel() { convert "$OUT/$1.png" -format "%[pixel:p{$2}]\n" info:; }
ended() { ! kill -0 "$APP" 2>/dev/null; }

mkdir "$W/build-data"; cp "$DEFAULTS"/* "$W/build-data"/
first_screen build "$BUILD/bin/vorlak" --data-dir "$W/build-data"
kill "$APP"; wait_for 10 ended
first_screen installed "$BIN/vorlak"
# Places of the mouse picture, a button, the section headings, Apply and the frame.
for at in 500,300 141,117 141,167 951,619 986,12 300,500 700,200; do
  [ "$(pixel build $at)" = "$(pixel installed $at)" ] &&
    pass "same pixel at $at: $(pixel installed $at)" || fail "pixels differ at $at"
done
colours=$(for at in 500,300 141,117 951,619 986,12; do pixel installed $at; done | sort -u | wc -l)
check "the first screen is drawn, not blank" test "$colours" -gt 1
python3 "$(dirname "$0")/depends_cover.py" "$APP" "$DEPENDS" "$BIN/vorlak" "$BIN/vorlakctl" \
    --plugin platforms/libqxcb.so --plugin platforms/libqwayland-generic.so >"$W/depends.out" 2>&1
covered=$?
check "the Depends bring every library and plugin of the window ($(tail -1 "$W/depends.out"))" \
    test "$covered" = 0
[ "$covered" = 0 ] || cat "$W/depends.out"

# The tray menu: starting with the desktop on, then off again.
ENTRY=$XDG_CONFIG_HOME/autostart/org.vorlak.Vorlak.desktop
no_balloon() { ! balloon; }
choose_first_tray_item() {  # choose_first_tray_item CHECK...: until CHECK holds, 3 tries
  local try; for try in 1 2 3; do  # a notice coming up may take a click
    wait_for 10 no_balloon; xdotool mousemove --window "$(tray_icon)" 5 5 click 3
    menu_shown && xdotool key Down Return
    wait_for 3 "$@" && return 0
  done; return 1; }
entry_gone() { ! test -e "$ENTRY"; }
check "the tray icon is there" wait_for 10 tray_icon
check "the tray menu's item writes the autostart entry" choose_first_tray_item test -f "$ENTRY"
check "the entry validates" desktop-file-validate "$ENTRY"
check "and starts the installed program" grep -qx "Exec=$BIN/vorlak" "$ENTRY"
xdotool mousemove --window "$(tray_icon)" 5 5 click 3
menu_shown && wait_for 5 still root; import -window root "$OUT/tray-menu.png"
xdotool key Escape
check "choosing it again removes the entry" choose_first_tray_item entry_gone
kill "$APP"

echo "pictures in $OUT"
echo "$PASSES passed, $FAILS failed"
[ "$FAILS" = 0 ]

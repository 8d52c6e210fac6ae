#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one Wayland end-to-end script under a headless sway of its own, in a private session:
# its own home, runtime folder and session bus, all in one temporary folder. sway refuses to
# run as root: as root, the compositor, the program and the script run as the unprivileged
# user vorlak-e2e (made once if it is missing, with no home and no login); the screenshots
# come back to OUT/NAME. Nothing outside the temporary folder is touched.
#   usage: run_wayland.sh SCRIPT BIN_DIR INPUT_CLIENT OUT   (screenshots in OUT/NAME)
set -u
script=$1 bin=$2 input=$3
out=$4/${script%.sh}; out=${out%_e2e}
here=$(cd "$(dirname "$0")" && pwd)
e2e_user=vorlak-e2e

# Where the compositor cannot run the run is skipped with the reason; in CI it fails.
skip() {
  if [ -n "${CI:-}" ]; then echo "FAIL: $1 (CI must run the Wayland runs)"; exit 1; fi
  echo "SKIP: $1"; exit 0
}
for tool in sway swaybar swaymsg grim wtype wev jq dbus-run-session setpriv; do
  command -v "$tool" >/dev/null || skip "$tool is missing (scripts/setup.sh installs it)"
done

T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
run_as=()
if [ "$(id -u)" = 0 ]; then
  if ! id "$e2e_user" >/dev/null 2>&1; then
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
        "$e2e_user" 2>/dev/null || id "$e2e_user" >/dev/null 2>&1 ||
      skip "no unprivileged user $e2e_user for the compositor"
  fi
  run_as=(setpriv --reuid="$e2e_user" --regid="$e2e_user" --clear-groups)
fi

# The program, its skins and data files, the input client and the scripts, in the temporary
# folder: the user may not reach the build or the source tree.
mkdir -p "$T/bin" "$T/scripts" "$T/out" "$T/home" "$T/xdg"
cp -r "$bin/vorlak" "$bin/Skins" "$T/bin/"
cp "$bin"/*.bin "$bin"/*.ini "$T/bin/"
cp "$input" "$T/bin/input-client"
cp "$here"/*.sh "$T/scripts/"
chmod 700 "$T/xdg"
[ ${#run_as[@]} = 0 ] || chown -R "$e2e_user:" "$T"

"${run_as[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 CI="${CI:-}" \
    HOME="$T/home" XDG_RUNTIME_DIR="$T/xdg" XDG_CONFIG_HOME="$T/home/.config" \
    dbus-run-session -- bash "$T/scripts/$script" "$T/bin" "$T/out"
status=$?

mkdir -p "$out"
rm -f "$out"/*.png
cp "$T"/out/*.png "$out"/ 2>/dev/null
echo "screenshots in $out"
exit "$status"

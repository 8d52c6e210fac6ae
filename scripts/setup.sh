#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package Vorlak needs to build, run and test.
# Idempotent: when everything is there it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev clang-format
  googletest libgtest-dev libgmock-dev
  libudev-dev umockdev libumockdev-dev
  libglib2.0-dev gsettings-desktop-schemas cinnamon-desktop-data mate-settings-daemon-common
  libxi-dev
  nlohmann-json3-dev
  qt6-base-dev qt6-translations-l10n qt6-qpa-plugins qt6-wayland libgl-dev libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev libxcb-xtest0-dev xkb-data fonts-wqy-microhei fonts-dejavu-core fonts-liberation
  xvfb xauth x11-utils xdotool openbox trayer dunst libnotify-bin dbus dbus-x11 imagemagick
  qt6-wayland qt6-base-private-dev libwayland-dev libwayland-bin wayland-protocols
  sway wtype grim wev jq
  dpkg-dev lintian desktop-file-utils appstream
  strace
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one end-to-end script in a private session: its own home, runtime folder and session bus.
#   usage: run_e2e.sh SCRIPT BIN_DIR OUT
set -eu
script=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
mkdir -m 700 "$T/xdg" "$T/config" "$T/home"
# The environment goes before dbus-run-session: services the bus starts inherit it.
env HOME="$T/home" XDG_CONFIG_HOME="$T/config" XDG_RUNTIME_DIR="$T/xdg" \
    dbus-run-session -- bash "$here/$script" "$@"

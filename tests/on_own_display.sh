#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# on_own_display.sh COMMAND...: runs COMMAND on an X server of its own. The server chooses a
# free display itself, so tests started side by side never race for one number.
set -uo pipefail
source "$(dirname "$0")/e2e/desktop_lib.sh"
folder=$(mktemp -d)
trap 'stop_desktop; rm -rf "$folder"' EXIT
start_display "$folder" || exit 1
"$@"

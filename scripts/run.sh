#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and starts Vorlak with the simulated mouse. Lines typed on
# standard input drive that mouse: dpi, macro N, unplug, plug, describe.
# Without a display it runs the command-line twin's apply against the simulated mouse.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display here (DISPLAY is not set); running vorlakctl --simulate --trace apply"
  exec build/bin/vorlakctl --simulate --trace apply
fi
exec build/bin/vorlak --simulate "$@"

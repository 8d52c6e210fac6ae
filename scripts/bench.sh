#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the benchmarks; they print figures, nothing is asserted. The window's
# benchmark runs on its own Xvfb, with the desktop's settings in memory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
build/bench/vorlak_bench_apply
build/bench/vorlak_bench_ini_file
build/bench/vorlak_bench_cli
runtime=$(mktemp -d)
. tests/e2e/desktop_lib.sh
trap 'stop_desktop; rm -rf "$runtime"' EXIT
start_display "$runtime"
export XDG_RUNTIME_DIR=$runtime
GSETTINGS_BACKEND=memory build/bench/vorlak_bench_window
build/bench/vorlak_bench_profiles
build/bench/vorlak_bench_macros
GSETTINGS_BACKEND=memory build/bench/vorlak_bench_settings
GSETTINGS_BACKEND=memory build/bench/vorlak_bench_assign
bench/window_memory.sh build/bin   # at 100 % and 200 %, with and without the twice-sized images
# The same figures of the window on Wayland, under a headless sway of its own.
echo "== the window on Wayland (headless sway)"
tests/e2e/wayland/run_wayland.sh figures.sh build/bin build/tests/e2e/wayland/e2e_wayland_input \
  build/bench-wayland

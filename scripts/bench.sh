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
trap 'rm -rf "$runtime"; [ -n "${xvfb:-}" ] && kill "$xvfb"' EXIT
Xvfb -screen 0 1280x800x24 -nolisten tcp -displayfd 3 3>"$runtime/display" 2>/dev/null &
xvfb=$!
until [ -s "$runtime/display" ]; do sleep 0.1; done
DISPLAY=:$(head -1 "$runtime/display") XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory \
  build/bench/vorlak_bench_window
DISPLAY=:$(head -1 "$runtime/display") XDG_RUNTIME_DIR=$runtime build/bench/vorlak_bench_profiles
DISPLAY=:$(head -1 "$runtime/display") XDG_RUNTIME_DIR=$runtime build/bench/vorlak_bench_macros
DISPLAY=:$(head -1 "$runtime/display") XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory \
  build/bench/vorlak_bench_settings
DISPLAY=:$(head -1 "$runtime/display") XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory \
  build/bench/vorlak_bench_assign

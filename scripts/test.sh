#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs every test: the normal build and its Debian package, the whole
# suite again under AddressSanitizer + UndefinedBehaviorSanitizer, and a short run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/setup.sh

echo "== every file carries the licence line"
scripts/check_licence.sh

# The suite of a build folder: the unit and program tests once; the runs on a headless desktop
# (label desktop) wait on what each step needs, and one that fails still runs once more, since
# a desktop under load is not ours alone (the output keeps both runs).
suite() {
  ctest --test-dir "$1" --output-on-failure -j "$jobs" -LE desktop
  ctest --test-dir "$1" --output-on-failure -L desktop --repeat until-pass:2
}

echo "== build and test"
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
echo "== the includes keep to the layers (on what the compiler saw)"
scripts/check_layers.sh build
suite build

echo "== the Debian package, from that build"
scripts/package.sh build

echo "== build and test with ASan + UBSan"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DVORLAK_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 suite build-asan

echo "== the threads under ThreadSanitizer"
scripts/tsan.sh

echo "== fuzz smoke runs"
scripts/fuzz.sh 5

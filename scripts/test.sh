#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs every test: the normal build and its Debian package, the whole
# suite again under AddressSanitizer + UndefinedBehaviorSanitizer, and a short run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/setup.sh

echo "== the includes keep to the layers"
scripts/check_layers.sh
scripts/check_licence.sh

echo "== build and test"
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
# A run on the desktop may lose a race with the window manager now and then: a failed test
# runs once more, and the output keeps both runs.
ctest --test-dir build --output-on-failure -j "$jobs" --repeat until-pass:2

echo "== the Debian package, from that build"
scripts/package.sh build

echo "== build and test with ASan + UBSan"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DVORLAK_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== the threads under ThreadSanitizer"
scripts/tsan.sh

echo "== fuzz smoke runs"
scripts/fuzz.sh 5

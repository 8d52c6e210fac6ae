#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds build-tsan with ThreadSanitizer and runs the tests of the threads under it: the
# device tests (simulated mouse and scripted backend), the controller's (Apply on its worker
# thread beside the listener) and the hidraw and udev tests against umockdev's mocked kernel. Only races inside umockdev's preload library
# and GLib are suppressed (tests/tsan.supp); any other report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLAK_TSAN=ON >/dev/null
cmake --build build-tsan --target test_common test_device test_controller test_platform_hidraw

export TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1"
echo "== test_common under TSan (the data files' writer thread)"
build-tsan/tests/test_common --gtest_brief=1 --gtest_filter='WriteQueue*:QueuedFileWrites*'
echo "== test_device under TSan"
build-tsan/tests/test_device --gtest_brief=1
echo "== test_controller under TSan"
build-tsan/tests/test_controller --gtest_brief=1
echo "== test_platform_hidraw under TSan"
LD_PRELOAD=libumockdev-preload.so.0 build-tsan/tests/platform/test_platform_hidraw --gtest_brief=1
echo "tsan: no data race reported"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check against the faults it must catch: six includes planted in a scratch copy of
# the sources (an upward include written with <...>, one through "..", a quoted platform header
# without a slash, <pwd.h>, <xkbcommon/...>, an upward include in a new .inl file), each file
# compiled there, and each named by scripts/check_layers.py on that build's dependencies.
#   usage: planted_faults_test.sh SOURCE_DIR
set -u
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$source_dir" && tar --exclude='./build*' --exclude=./.git --exclude=./docs -cf - .) |
    (cd "$scratch" && tar -xf -)
src=$scratch/src
echo '#include <controller/main_controller.h>' >"$src/device/planted_angle.cpp"
echo '#include "../controller/record_editor.h"' >"$src/macro/planted_dotdot.cpp"
echo '#include "libudev.h"' >"$src/record/planted_quoted.cpp"
echo '#include <pwd.h>' >"$src/common/planted_pwd.cpp"
echo '#include <xkbcommon/xkbcommon.h>' >"$src/keys/planted_xkb.cpp"
echo '#include "controller/main_view.h"' >"$src/profiles/planted.inl"
echo '#include "profiles/planted.inl"' >"$src/profiles/planted_inl.cpp"

failures=0 passed=0
cmake -S "$scratch" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLAK_TESTS=OFF \
    >"$scratch/configure.log" 2>&1 || { cat "$scratch/configure.log"; exit 1; }
objects=()
for planted in device/planted_angle macro/planted_dotdot record/planted_quoted common/planted_pwd \
               keys/planted_xkb profiles/planted_inl; do
    objects+=("src/CMakeFiles/vorlak_core.dir/$planted.cpp.o")
done
ninja -C "$scratch/build" "${objects[@]}" >"$scratch/build.log" 2>&1 ||
    { tail -30 "$scratch/build.log"; exit 1; }

out=$(python3 "$scratch/scripts/check_layers.py" "$scratch/build"); status=$?
expect() {  # expect NAME PATTERN: the check named the fault
    if grep -qE -- "$2" <<<"$out"; then passed=$((passed + 1)); else
        echo "FAIL not caught: $1"; failures=$((failures + 1)); fi
}
expect "an upward include written with <...>" \
    "^src/device/planted_angle.cpp:1: device \(device\) sees src/controller/main_controller.h from controller \(controller\), a higher layer"
expect "an upward include through .." \
    "^src/macro/planted_dotdot.cpp:1: macro \(domain\) sees src/controller/record_editor.h from controller \(controller\)"
expect "a quoted platform header without a slash" \
    "^src/record/planted_quoted.cpp:1: platform header /usr/include/libudev.h in the core folder record"
expect "<pwd.h>" "^src/common/planted_pwd.cpp:1: platform header /usr/include/pwd.h in the core folder common"
expect "<xkbcommon/...>" \
    "^src/keys/planted_xkb.cpp:1: platform header /usr/include/xkbcommon/xkbcommon.h in the core folder keys"
expect "an upward include in a new .inl file" \
    "^src/profiles/planted.inl:1: profiles \(domain\) sees src/controller/main_view.h from controller \(controller\)"
[ "$status" -ne 0 ] && passed=$((passed + 1)) || { echo "FAIL the check succeeded"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || { echo "--- the check said:"; echo "$out"; }
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]

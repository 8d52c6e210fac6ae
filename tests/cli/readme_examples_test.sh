#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's vorlakctl examples run as written, in order, on a fresh data folder.
# usage: readme_examples_test.sh VORLAKCTL DATAGEN README
ctl=$1 datagen=$2 readme=$3
. "$(dirname "$0")/cli_lib.sh"
fresh
export VORLAK_DATA_DIR=$data PATH="$(dirname "$ctl"):$PATH"
examples=$(awk '/runs as a test \(tests\/cli\/readme_examples_test.sh\)/ { on = 1; next }
                on && /^```sh/ { inside = 1; next }
                inside && /^```/ { exit }
                inside { print }' "$readme")
[ -n "$examples" ] || fail "no examples found in $readme"
cd "$(mktemp -d)"
while IFS= read -r line; do
    out=$(bash -o pipefail -c "$line" 2>&1) && passed=$((passed + 1)) ||
        { fail "$line"; echo "$out" | head -5; }
done <<<"$examples"
finish

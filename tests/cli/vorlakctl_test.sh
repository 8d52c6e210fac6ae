#!/usr/bin/env bash
# vorlakctl from the outside: its commands, messages and exit codes.
# usage: vorlakctl_test.sh VORLAKCTL DATAGEN
set -u
ctl=$1 datagen=$2
data=$(mktemp -d)
XDG_RUNTIME_DIR=$(mktemp -d)   # the instance lock of this run only
export XDG_RUNTIME_DIR
trap 'rm -rf "$data" "$XDG_RUNTIME_DIR"' EXIT
"$datagen" "$data"
failures=0 passed=0

check() {  # check NAME EXPECTED_STATUS PATTERN COMMAND...
    local name=$1 want=$2 pattern=$3; shift 3
    local out status
    out=$("$@" 2>&1); status=$?
    if [ "$status" -ne "$want" ] || ! grep -qE -- "$pattern" <<<"$out"; then
        echo "FAIL $name: status $status (want $want), output:"; echo "$out" | head -20
        failures=$((failures + 1))
    else
        passed=$((passed + 1))
    fi
}

check "simulated status" 0 "firmware 01-07" "$ctl" --simulate --data-dir "$data" status
check "no mouse" 1 "no Vorlak mouse found" env -u VORLAK_DATA_DIR "$ctl" --data-dir "$data" status
check "show profile" 0 "base  button 4: Back" "$ctl" --data-dir "$data" show
check "show record" 0 "6  6000  on" "$ctl" --data-dir "$data" show config3.bin
check "show bad record" 3 "not a readable profile record" "$ctl" --data-dir "$data" show str.ini
check "unknown command" 2 "^usage: vorlakctl" "$ctl" frobnicate
check "no command" 2 "no command given" "$ctl"
check "data folder from the environment" 0 "Profile 1: $data" env VORLAK_DATA_DIR="$data" "$ctl" show
export GSETTINGS_BACKEND=memory
check "simulated apply" 0 "\[11/20\] macro 5 of 12" "$ctl" --simulate --data-dir "$data" apply
check "apply without mouse" 1 "no Vorlak mouse found" "$ctl" --data-dir "$data" apply
check "events of the simulated mouse" 0 "Info: Switch DPI into the second stage 1000" \
    sh -c "(echo dpi; sleep 1) | '$ctl' --simulate --data-dir '$data' events"
check "unplug and plug" 0 "Warning: The system did not detect Vorlak!.*Info: The system detect" \
    sh -c "printf 'unplug\nplug\n' | '$ctl' --simulate --data-dir '$data' events | tr '\n' ' '"
check "bad simulated command" 0 "unknown simulated mouse command" \
    sh -c "echo wiggle | '$ctl' --simulate --data-dir '$data' events"
check "the window holds the mouse" 1 "is using the mouse" \
    flock "$XDG_RUNTIME_DIR/Vorlak_Mutex" "$ctl" --simulate --data-dir "$data" status
check "show needs no lock" 0 "Profile 1" \
    flock "$XDG_RUNTIME_DIR/Vorlak_Mutex" "$ctl" --data-dir "$data" show
# A settings file that is there but cannot be read is never replaced: Apply says so.
cp "$data/str0.ini" "$data/str0.kept"
rm "$data/str0.ini"; mkfifo "$data/str0.ini"
check "unreadable settings file" 3 "profile files .* could not be written" \
    "$ctl" --simulate --data-dir "$data" apply
check "unreadable settings file kept" 0 "^p$" sh -c "[ -p '$data/str0.ini' ] && echo p"
rm "$data/str0.ini"; mv "$data/str0.kept" "$data/str0.ini"
: > "$data/config0.bin"
check "an empty record is named and shows the defaults" 0 \
    "config0.bin is shorter than a profile record.*base  button 1: Click" \
    sh -c "'$ctl' --data-dir '$data' show 2>&1 | tr '\n' ' '"
rm "$data/str.ini"
check "no profile list" 3 "no current profile could be read" "$ctl" --data-dir "$data" show
check "no profile list named" 3 "str.ini does not exist" "$ctl" --data-dir "$data" show

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vorlakctl from the outside: its commands that read and reach the mouse, help, messages,
# exit codes and the instance lock.
# usage: vorlakctl_test.sh VORLAKCTL DATAGEN
ctl=$1 datagen=$2
. "$(dirname "$0")/cli_lib.sh"
fresh

check "simulated status" 0 "firmware 01-07" "$ctl" --simulate --data-dir "$data" status
check "no mouse" 1 "no Vorlak mouse found" ctl status
check "show profile" 0 "Button 4  +Back" ctl show
check "show the Shift layer as the window captions it" 0 "Shift\+4 +Back.*Shift\+5 +Forward" \
    sh -c "'$ctl' --data-dir '$data' show | tr '\n' ' '"
cp "$data/config3.bin" "$data/elsewhere.bin"
check "show record relative to the current folder" 0 "Record: $data/elsewhere.bin.*6  6000  on" \
    sh -c "cd '$data' && '$ctl' show elsewhere.bin | tr '\n' ' '"
check "show record not in the data folder" 3 "$PWD/config3.bin does not exist" ctl show config3.bin
check "show a settings file" 3 "str.ini is not a profile record: a record has 1889 bytes, this file [0-9]+" \
    ctl show "$data/str.ini"
check "show a folder" 3 "is a folder" ctl show "$data"
check "show two files" 2 "show takes one record file at most; \"b\" is one too many" ctl show a b
check "show --trace" 2 "--trace is for the commands that reach the mouse.*not show" \
    "$ctl" --trace --data-dir "$data" show
check "options after the command" 2 "show knows no option --simulate" ctl show --simulate
check "unknown command" 2 "unknown command \"frobnicate\"" ctl frobnicate
check "unknown option" 2 "unknown option --frob" "$ctl" --frob show
check "no command" 2 "no command given" "$ctl"
check "version" 0 "^vorlakctl [0-9]+\.[0-9]+" "$ctl" --version
check "help lists every command and the exit codes" 0 \
    "status.*apply.*events.*show.*dpi.*polling.*lighting.*sensitivity.*pointer.*assign.*profile list.*macro set.*4 the window.*5 the mouse did not take" \
    sh -c "'$ctl' --help | tr '\n' ' '"
check "help of a command" 0 "usage: vorlakctl dpi STAGE.*Refused \(exit status 4\)" \
    sh -c "'$ctl' dpi --help | tr '\n' ' '"
check "help of a group" 0 "usage: vorlakctl macro list.*usage: vorlakctl macro set" \
    sh -c "'$ctl' help macro | tr '\n' ' '"
check "data folder from the environment" 0 "Profile 1: $data" env VORLAK_DATA_DIR="$data" "$ctl" show
check "simulated apply" 0 "\[11/20\] macro 5 of 12" "$ctl" --simulate --data-dir "$data" apply
check "apply without mouse" 1 "no Vorlak mouse found" ctl apply
# A mouse that does not take a step: exit 5 with the step and the reason; the edit is saved.
ctl sensitivity 9 >/dev/null
check "the mouse did not take it" 5 \
    "^macro 1 of 12: input/output error \(EIO\)$" \
    "$ctl" --simulate --simulate-line "fail 22 EIO" --data-dir "$data" apply
check "saved all the same" 0 "^9$" rec 60
check "a mouse that does not answer" 5 "the mouse did not answer: the mouse refused the transfer \(EPIPE\)" \
    "$ctl" --simulate --simulate-line "fail 2 EPIPE" --data-dir "$data" status
check "a bad line for the simulated mouse" 2 "fail needs a transfer count and an error name" \
    "$ctl" --simulate --simulate-line "fail 2 ENOPE" --data-dir "$data" apply
check "a line without the simulated mouse" 2 "give --simulate too" \
    "$ctl" --simulate-line "fail 2 EIO" --data-dir "$data" apply
check "events of the simulated mouse" 0 "Info: Switch DPI into the second stage 1000" \
    sh -c "(echo dpi; sleep 1) | '$ctl' --simulate --data-dir '$data' events"
check "a notice right before the input ends" 0 "Switch DPI into the second stage.*did not detect" \
    sh -c "printf 'dpi\nunplug\n' | '$ctl' --simulate --data-dir '$data' events | tr '\n' ' '"
check "unplug and plug" 0 "Warning: The system did not detect Vorlak!.*Info: The system detect" \
    sh -c "printf 'unplug\nplug\n' | '$ctl' --simulate --data-dir '$data' events | tr '\n' ' '"
check "bad simulated command" 0 "unknown simulated mouse command" \
    sh -c "echo wiggle | '$ctl' --simulate --data-dir '$data' events"

# The bash completion installed with the program.
complete_words() {  # complete_words WORD...: what completing the last word offers
    bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _vorlakctl
             printf "%s\n" "${COMPREPLY[@]}"' _ "$(dirname "$0")/../../data/vorlakctl.bash" "$@" |
        tr '\n' ' '
}
ctl macro new Jump >/dev/null
check "completing a command" 0 "^dpi $" complete_words "$ctl" dp
check "completing a function" 0 "^dpi-up dpi-down dpi-loop $" complete_words "$ctl" assign 4 dpi-
check "completing a profile name" 0 "^Profile 1 $" complete_words "$ctl" --data-dir "$data" profile switch P
check "completing a macro name" 0 "^Jump $" complete_words "$ctl" --data-dir "$data" assign 4 macro J

# While the window (or another vorlakctl) holds the instance lock.
lock="$XDG_RUNTIME_DIR/Vorlak_Mutex"
check "the window holds the mouse" 4 "the Vorlak window or another vorlakctl is running.*status was not run" \
    flock "$lock" "$ctl" --simulate --data-dir "$data" status
check "edits are refused while the window runs" 4 "holds the mouse and the profile files; dpi was not run" \
    flock "$lock" "$ctl" --data-dir "$data" dpi 1 800
check "show needs no lock" 0 "Profile 1" flock "$lock" "$ctl" --data-dir "$data" show
check "macro list needs no lock" 0 "1  Jump" flock "$lock" "$ctl" --data-dir "$data" macro list

# Data files that cannot be read or written: named, with the reason.
cp "$data/str0.ini" "$data/str0.kept"
rm "$data/str0.ini"; mkfifo "$data/str0.ini"
check "unreadable settings file" 3 "reached the mouse, but the profile files could not be saved in $data\." \
    "$ctl" --simulate --data-dir "$data" apply
check "unreadable settings file kept" 0 "^p$" sh -c "[ -p '$data/str0.ini' ] && echo p"
rm "$data/str0.ini"; mv "$data/str0.kept" "$data/str0.ini"
if [ "$(id -u)" -ne 0 ]; then  # root writes anywhere
    chmod a-w "$data/config0.bin"
    check "a record that cannot be written" 3 "config0.bin Permission denied; the edit was not saved" \
        ctl polling 250
    chmod u+w "$data/config0.bin"
fi
rm "$data/config0.bin"
check "a record file that is missing" 3 "config0.bin" ctl polling 250
: > "$data/config0.bin"
check "an empty record is named and shows the defaults" 0 \
    "config0.bin is shorter than a profile record.*Button 1 +Click" \
    sh -c "'$ctl' --data-dir '$data' show 2>&1 | tr '\n' ' '"
rm "$data/str.ini"
check "no profile list" 3 "no current profile could be read.*str.ini does not exist" ctl show
check "no profile list for an edit" 3 "no current profile could be read" ctl dpi 1 800

finish

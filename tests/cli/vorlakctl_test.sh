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
check "show profile" 0 "Button 4  +back" ctl show
check "show the Shift layer as the window captions it" 0 "Shift\+4 +back.*Shift\+5 +forward" \
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
    "status.*apply.*events.*show.*dpi.*polling.*lighting.*sensitivity.*pointer.*assign.*profile list.*macro set.*4 the data folder or the mouse is in use by the window.*5 the mouse did not take" \
    sh -c "'$ctl' --help | tr '\n' ' '"
check "help of a command" 0 "usage: vorlakctl dpi STAGE.*Refused \(exit status 4\)" \
    sh -c "'$ctl' dpi --help | tr '\n' ' '"
check "help of a group" 0 "usage: vorlakctl macro list.*usage: vorlakctl macro set" \
    sh -c "'$ctl' help macro | tr '\n' ' '"
check "data folder from the environment" 0 "Profile 1: $data" env VORLAK_DATA_DIR="$data" "$ctl" show
check "simulated apply" 0 "\[11/20\] macro 5 of 12" "$ctl" --simulate --data-dir "$data" apply
check "apply without mouse" 1 "no Vorlak mouse found" ctl apply
# Each run with --simulate has a mouse of its own, just plugged in: its apply sends every step.
check "simulated apply --full" 0 "\[19/20\] lighting" "$ctl" --simulate --data-dir "$data" apply --full
check "apply with another word" 2 "apply knows no argument --fast \(only --full\)" ctl apply --fast
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
# The desktop's pointer settings: what the desktop kept is said on standard error, and the
# apply still succeeds, since the mouse took its settings.
check "apply where no backend reaches the desktop" 0 \
    "^vorlakctl: The desktop kept these settings as they were: Pointer acceleration, Pointer speed, Wheel scroll lines, Double-click speed: Vorlak has no way to set this on Hyprland\.$" \
    bash -c "set -o pipefail; env XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=Hyprland \
             '$ctl' --simulate --data-dir '$data' apply 2>&1 >/dev/null | grep -v '^\['"
check "apply on GNOME: only the wheel lines are kept" 0 \
    "^vorlakctl: The desktop kept these settings as they were: Wheel scroll lines: GNOME has no such setting\.$" \
    bash -c "set -o pipefail; env XDG_CURRENT_DESKTOP=GNOME \
             '$ctl' --simulate --data-dir '$data' apply 2>&1 >/dev/null | grep -v '^\['"
check "events of the simulated mouse" 0 "Info: Switch DPI into the second stage 1000" \
    sh -c "echo dpi | '$ctl' --simulate --data-dir '$data' events"
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
# Names with blanks come quoted, so that the shell reads each back as one word.
check "completing a profile name" 0 "^Profile\\\\ 1 $" complete_words "$ctl" --data-dir "$data" profile switch P
check "inside a quote the user opened" 0 "^'Profile 1' $" complete_words "$ctl" --data-dir "$data" profile switch "'Pro"
check "completing a macro name" 0 "^Jump $" complete_words "$ctl" --data-dir "$data" assign 4 macro J
check "completing a key name" 0 "^Page\\\\ Up Page\\\\ Down $" complete_words "$ctl" assign 4 key Pag
completed=$(complete_words "$ctl" --data-dir "$data" profile switch Pro)
check "a completed name, read back by the shell, switches the profile" 0 "current profile: 1 \"Profile 1\"" \
    bash -c "eval \"\\\"\\\$0\\\" --data-dir \\\"\\\$1\\\" profile switch $completed\"" "$ctl" "$data"

# The key names: keys lists exactly those assign takes, and assign's help names only them.
ctl keys >"$data/keys.txt"
check "keys lists the key names" 0 "^A .*F5 .*Page Up .*Num Enter .*Ctrl " sh -c "tr '\n' ' ' <'$data/keys.txt'"
refused=0
while IFS= read -r key; do ctl assign 6 key "$key" >/dev/null 2>&1 || { refused=1; echo "refused: $key"; }; done <"$data/keys.txt"
check "assign takes every listed key" 0 "^0$" echo "$refused"
help_keys=$("$ctl" assign --help | sed -n 's/.*key NAME *a key by its name (\(.*\);$/\1/p' | tr -d "'" | sed 's/ \.\.\.$//')
check "assign's help shows key names" 0 . echo "$help_keys"
while IFS= read -r key; do
    check "assign's help offers \"$key\", which keys lists" 0 . grep -xF -- "$key" "$data/keys.txt"
done < <(tr ',' '\n' <<<"$help_keys" | sed 's/^ *//')

# The window holds its data folder and the mouse (the real one: a simulated mouse is each
# program's own); a vorlakctl that writes a folder or talks to the mouse holds it too. The
# holder is named.
held() {  # held LOCK HOLDER COMMAND...: COMMAND while LOCK is held by HOLDER
    local lock=$XDG_RUNTIME_DIR/$1 holder=$2; shift 2
    printf '%s' "$holder" >"$lock"; flock "$lock" "$@"
}
folder_lock() { echo "Vorlak_Folder_$(stat -c '%d_%i' "$1")"; }
window="the Vorlak window (process 77)"
check "the window holds the mouse" 4 "the mouse is in use by the Vorlak window \(process 77\); status was not run \(end the window from its tray icon's Exit; vorlakctl --wait SECONDS waits for it\)" \
    held Vorlak_Mouse "$window" "$ctl" --data-dir "$data" status
check "its simulated mouse is its own" 0 "firmware 01-07" \
    held Vorlak_Mouse "$window" "$ctl" --simulate --data-dir "$data" status
check "edits of its folder are refused" 4 "the data folder $data is in use by the Vorlak window \(process 77\); dpi was not run" \
    held "$(folder_lock "$data")" "$window" "$ctl" --data-dir "$data" dpi 1 800
check "apply to its folder is refused" 4 "the data folder $data is in use by the Vorlak window" \
    held "$(folder_lock "$data")" "$window" "$ctl" --simulate --data-dir "$data" apply
check "show needs no lock" 0 "Profile 1" held "$(folder_lock "$data")" "$window" "$ctl" --data-dir "$data" show
check "macro list needs no lock" 0 "1  Jump" held "$(folder_lock "$data")" "$window" "$ctl" --data-dir "$data" macro list
check "help names the locks" 0 "Refused \(exit status 4\) while the Vorlak window or another vorlakctl uses the data folder; --wait SECONDS" \
    sh -c "'$ctl' dpi --help | tr '\n' ' '"

# Another vorlakctl: a macro set that reads its events from a pipe holds the folder meanwhile.
other=$(mktemp -d); "$datagen" "$other"
mkfifo "$data/events"
"$ctl" --data-dir "$data" macro set Jump --file - <"$data/events" >"$data/set.out" 2>&1 & setter=$!
exec 5>"$data/events"
holding() { grep -q "vorlakctl macro set (process $setter)" "$XDG_RUNTIME_DIR/$(folder_lock "$data")"; }
for _ in $(seq 100); do holding && break; sleep 0.1; done
check "another vorlakctl on the folder is named" 4 "the data folder $data is in use by vorlakctl macro set \(process $setter\); dpi was not run \(vorlakctl --wait SECONDS" \
    ctl dpi 1 800
check "an edit of another folder runs beside it" 0 "DPI stage 1: 800" "$ctl" --data-dir "$other" dpi 1 800
check "and so does a command that reaches the mouse" 0 "firmware" "$ctl" --data-dir "$data" --simulate status
"$ctl" --data-dir "$data" --wait 30 dpi 1 800 >"$data/waited.out" 2>&1 5>&- & waiter=$!
printf 'B Dn\nB Up\n' >&5; exec 5>&-
wait "$setter"; check "the holder ends" 0 "2 events" cat "$data/set.out"
wait "$waiter"; check "--wait runs the command once the folder is free" 0 "DPI stage 1: 800" cat "$data/waited.out"
check "--wait takes seconds" 2 "the seconds of --wait must be a number" ctl --wait soon show
rm -rf "$other" "$data/events"

# Data files that cannot be read or written: named, with the reason.
cp "$data/str0.ini" "$data/str0.kept"
rm "$data/str0.ini"; mkfifo "$data/str0.ini"
check "unreadable settings file" 3 "reached the mouse, but the profile files could not be saved in $data\." \
    "$ctl" --simulate --data-dir "$data" apply
check "unreadable settings file kept" 0 "^p$" sh -c "[ -p '$data/str0.ini' ] && echo p"
rm "$data/str0.ini"; mv "$data/str0.kept" "$data/str0.ini"
# The record is replaced by a new file beside it, so a folder that takes no new file is what
# keeps it from being written. Root overrides the permissions: its run gives that up.
unoverridden() {
    if [ "$(id -u)" -ne 0 ]; then "$@"
    else setpriv --inh-caps=-dac_override --bounding-set=-dac_override "$@"; fi
}
if unoverridden true 2>/dev/null; then
    cp "$data/config0.bin" "$data/config0.kept"
    chmod a-w "$data"
    check "a record that cannot be written" 3 \
        "The profile was not saved \($data/config0.bin: Permission denied\)" \
        unoverridden "$ctl" --data-dir "$data" polling 250
    chmod u+w "$data"
    check "the record that cannot be written stays" 0 "^same$" \
        sh -c "cmp -s '$data/config0.bin' '$data/config0.kept' && echo same"
    rm "$data/config0.kept"
else
    echo "SKIP a record that cannot be written: root cannot give up overriding permissions here"
fi
# A lost record file: the commands that need no record still run, the others say what to
# do, and reset writes the defaults into it again.
ctl dpi 2 1200 >/dev/null
macros=$(od -An -tx1 -j 329 -N 1560 "$data/config0.bin")
rm "$data/config0.bin"
check "a record file that is missing" 3 "config0.bin does not exist; vorlakctl reset writes the defaults into profile 1" \
    ctl polling 250
check "show says what to do" 3 "vorlakctl reset" ctl show
check "profile list needs no record" 0 "\* 1  Profile 1" ctl profile list
check "macro list needs no record" 0 "1  Jump" ctl macro list
check "macro show needs no record" 0 "# macro 1 \"Jump\"" ctl macro show Jump
check "reset makes the record again" 0 "profile 1: the defaults \(the macros stay\), saved to $data/config0.bin" ctl reset
check "with the defaults" 0 "2  1000  on" ctl show
check "and the macros as they were" 0 "^same$" \
    sh -c "[ \"\$(od -An -tx1 -j 329 -N 1560 '$data/config0.bin')\" = '$macros' ] && echo same"
ctl dpi 2 1200 >/dev/null
check "reset of a record that is there" 0 "saved to" ctl reset
check "brings the defaults back" 0 "2  1000  on" ctl show
rm "$data/config0.bin"
: > "$data/config0.bin"
check "an empty record is named and shows the defaults" 0 \
    "config0.bin is shorter than a profile record.*Button 1 +click" \
    sh -c "'$ctl' --data-dir '$data' show 2>&1 | tr '\n' ' '"
rm "$data/str.ini"
check "no profile list" 3 "no current profile could be read.*str.ini does not exist" ctl show
check "no profile list for an edit" 3 "no current profile could be read" ctl dpi 1 800

finish

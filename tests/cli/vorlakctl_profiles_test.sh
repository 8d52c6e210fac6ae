#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vorlakctl and the profile files: names and numbers, imports checked field by field, stored
# records brought into range, exports and saves that say the system's reason and print nothing
# as done that was not, the data folder's write check and creation, the leftovers of killed
# runs, and the kill trial: `profile delete` killed before each of its renames, then a read
# command, after which every listed name opens its own profile.
# usage: vorlakctl_profiles_test.sh VORLAKCTL DATAGEN
ctl=$1 datagen=$2
. "$(dirname "$0")/cli_lib.sh"

setbyte() {  # setbyte FILE OFFSET VALUE: one byte of a file, in decimal
    printf "$(printf '\\%03o' "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}
names() {  # the list's names, one line each
    local n i; n=$(ini "$data/str.ini" Profile ItemCount)
    for ((i = 0; i < n; i++)); do ini "$data/str.ini" Profile "Item$i"; done
}

# Copies get names of their own; the current profile is followed by its number.
fresh
ctl profile copy 1 >/dev/null
check "a second copy skips the name the first took" 0 "new profile 3 \"Copy Profile 1 2\"" \
    ctl profile copy 1
sed -i 's/^Item2=.*/Item2=Copy Profile 1/' "$data/str.ini"  # two of one name, as older versions left
setbyte "$data/config2.bin" 8 9
check "switch by number" 0 "current profile: 3 \"Copy Profile 1\"" ctl profile switch 3
check "show follows the number, not the last name" 0 "Profile 3: $data/config2.bin.*1  1000 " \
    sh -c "'$ctl' --data-dir '$data' show | tr '\n' ' '"
check "the list marks the number" 0 "^  1  Profile 1   2  Copy Profile 1 \* 3  Copy Profile 1 $" \
    sh -c "'$ctl' --data-dir '$data' profile list | tr '\n' ' '"
ctl profile rename 2 1 >/dev/null
check "a word of digits is a number, not the name \"1\"" 0 "current profile: 1 \"Profile 1\"" \
    ctl profile switch 1
check "a profile named 1 is chosen by its number" 0 "current profile: 2 \"1\"" ctl profile switch 2
check "a number past the list" 2 "there is no profile number 7; the profiles are 1 to 3" \
    ctl profile switch 7
check "help says that numbers win" 0 "a word of digits is always a number" ctl profile switch --help

# Imports are checked against each field's values; stored records are brought into range.
fresh
cp "$data/config0.bin" "$data/wild.bin"
setbyte "$data/wild.bin" 61 71
before=$(md5sum <"$data/config0.bin")
check "an import out of range is refused" 3 "wild.bin was not imported" \
    ctl profile import "$data/wild.bin"
check "with the field named" 3 "^x-axis sensitivity: 71 is not a value a profile can hold.$" \
    ctl profile import "$data/wild.bin"
head -c 1889 /dev/urandom >"$data/random.bin"
check "random bytes are not a profile" 3 "random.bin was not imported" ctl profile import "$data/random.bin"
check "refused imports change nothing" 0 "^same$" \
    sh -c "[ \"\$(md5sum <'$data/config0.bin')\" = '$before' ] && echo same"
cp "$data/wild.bin" "$data/config0.bin"
setbyte "$data/config0.bin" 57 255
check "a stored record out of range is shown in range, the fields named" 0 \
    "double-click speed 255 → 11, x-axis sensitivity 71 → 11.*Sensitivity: x 11" \
    sh -c "'$ctl' --data-dir '$data' show 2>&1 | tr '\n' ' '"
check "and sent in range" 0 "set-feature 00 0E DC" \
    sh -c "'$ctl' --simulate --trace --data-dir '$data' apply 2>/dev/null | tr '\n' ' '"

# Exports and saves say the system's reason and print nothing as done that was not.
fresh
check "an export needs a name" 2 "profile export needs a file name" ctl profile export ""
check "no hidden files from an empty name" 0 "^none$" \
    sh -c "ls -A | grep -qx '.bin' && echo found || echo none"
check "an export into a missing folder" 3 "$data/nowhere/x.ini: No such file or directory" \
    ctl profile export "$data/nowhere/x"
mkdir "$data/str0.ini.vorlak-new"  # in the way of the labels
cp "$data/config1.bin" "$data/good.bin"
out=$(ctl profile import "$data/good.bin" 2>/dev/null); status=$?
[ $status -eq 3 ] && [ -z "$out" ] && passed=$((passed + 1)) ||
    fail "a save that fails prints no success line: status $status, \"$out\""
check "and says what was not saved, and why" 3 "The profile was not saved \($data/str0.ini: Is a directory\)" \
    ctl profile import "$data/good.bin"
rmdir "$data/str0.ini.vorlak-new"
mkdir "$data/str.ini.renumber"  # in the way of the list's commit
out=$(ctl profile new 2>/dev/null); status=$?
[ $status -eq 3 ] && [ -z "$out" ] && passed=$((passed + 1)) ||
    fail "a commit that fails prints no new profile: status $status, \"$out\""
check "and says the profiles are as they were" 3 "str.ini.renumber: Is a directory; the profiles are as they were" \
    ctl profile copy 1
rmdir "$data/str.ini.renumber"

# The data folder: created only by commands that write, and said; a write check of its own.
fresh
check "a missing folder for show" 3 "$data/none/ cannot be used: it does not exist" \
    "$ctl" --data-dir "$data/none" show
check "is not created by show" 0 "^absent$" sh -c "[ -e '$data/none' ] && echo made || echo absent"
check "an edit creates it and says so" 0 "created the data folder $data/new/" \
    "$ctl" --data-dir "$data/new" dpi 1 800
mkdir "$data/.vorlak-write-check" "$data/.vorlak-write-check-4242"  # left by killed runs
check "a probe left by a killed run does not stop a read" 0 "^Profile 1" ctl show
for i in $(seq 8); do ctl dpi 1 800 >"$data/run$i.out" 2>&1 & done; wait
check "runs beside each other never meet in the write check" 0 "^met none$" \
    sh -c "grep -l 'cannot be written' '$data'/run*.out || echo met none"
check "stale probes are cleared" 0 "^none$" \
    sh -c "ls -A '$data' | grep -q vorlak-write-check && echo left || echo none"
for name in config3.bin.renumber str.ini.renumber str2.ini.vorlak-new record.ini.vorlak-new; do
    echo torn >"$data/$name"
done
ctl dpi 1 900 >/dev/null
check "staged files no journal names are cleared by the next writer" 0 "^none$" \
    sh -c "ls -A '$data' | grep -qE 'renumber|vorlak-new' && echo left || echo none"

# The kill trial: profile delete is killed before its Nth rename, for every N until it runs
# to its end; a read command follows. It finishes a renumbering left behind before it reads,
# so the list it shows and every name in it open their own profile (DPI 1 of profile k is
# (k + 1) * 100), and the next writer leaves no staged file behind.
fresh
n=0
for name in Alpha Bravo Charlie Delta Echo; do
    if [ $n -eq 0 ]; then ctl profile rename 1 Alpha >/dev/null; else ctl profile new $name >/dev/null; fi
    ctl profile switch $name >/dev/null
    ctl dpi 1 $(((n + 2) * 100)) >/dev/null
    n=$((n + 1))
done
ctl profile switch Alpha >/dev/null
base=$(mktemp -d); cp -a "$data/." "$base"
code_of() { case $1 in Alpha) echo 1 ;; Bravo) echo 2 ;; Charlie) echo 3 ;; Delta) echo 4 ;; Echo) echo 5 ;; esac; }
kills=0 journals=0 done_=0
for N in $(seq 1 30); do
    rm -rf "$data"; mkdir "$data"; cp -a "$base/." "$data"
    # (LeakSanitizer cannot run under a tracer: an ASan build checks leaks everywhere else.)
    ASAN_OPTIONS=${ASAN_OPTIONS:-}:detect_leaks=0 strace -f -qq -o /dev/null \
        -e inject=rename:signal=KILL:when=$N "$ctl" --data-dir "$data" profile delete Delta \
        >/dev/null 2>&1
    status=$?
    [ -e "$data/profiles.journal" ] && journals=$((journals + 1))
    listed=$(ctl profile list 2>&1) || { fail "kill before rename $N: profile list: $listed"; continue; }
    [ -e "$data/profiles.journal" ] && fail "kill before rename $N: the read left the journal"
    i=0 ok=1
    while read -r name; do
        [ "$(rec 7 $i)" = "$(code_of "$name")" ] || { ok=0; fail "kill before rename $N: \"$name\" opens config$i.bin with DPI code $(rec 7 $i)"; }
        grep -qE "^[* ] $((i + 1))  $name\$" <<<"$listed" || { ok=0; fail "kill before rename $N: list shows $listed"; }
        i=$((i + 1))
    done < <(names)
    [ $i -eq 5 ] || [ $i -eq 4 ] || { ok=0; fail "kill before rename $N: $i profiles"; }
    shown=$(ctl show | sed -n '1p;3p' | tr '\n' ' ')
    [ "$shown" = "Profile 1: $data/config0.bin   1  200   on   colour FF0000 " ] ||
        { ok=0; fail "kill before rename $N: show says $shown"; }
    ctl profile switch 1 >/dev/null
    ls -A "$data" | grep -qE 'renumber|vorlak-new|profiles.journal' &&
        { ok=0; fail "kill before rename $N: left $(ls -A "$data" | grep -E 'renumber|vorlak-new|journal')"; }
    [ $ok -eq 1 ] && passed=$((passed + 1))
    if [ $status -ne 137 ]; then  # not killed: it ran to its end
        [ $status -eq 0 ] && done_=1 || fail "profile delete ended with status $status"
        break
    fi
    kills=$((kills + 1))
done
rm -rf "$base"
[ $done_ -eq 1 ] && [ $kills -ge 5 ] && [ $journals -ge 1 ] && passed=$((passed + 1)) ||
    fail "the kill trial: $kills kills ($journals left a journal), ran to its end: $done_"
echo "kill trial: profile delete killed before each of its $kills renames, $journals left a journal"

finish

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vorlakctl's edits: each command and the record bytes, labels and store entries it leaves;
# every refusal with its exit status and message; show --json read back against show.
# usage: vorlakctl_edit_test.sh VORLAKCTL DATAGEN
ctl=$1 datagen=$2
. "$(dirname "$0")/cli_lib.sh"

# Values. Offsets: polling 5, dpiLevel 7+s, dpiEnabled 15+s, dpiColor 23+3s, lighting 47-50,
# wheel page 53, pointer speed 54, wheel lines 55, double-click 56, sensitivity 60/61.
fresh
edit "dpi value"              dpi 2 1200 -- r8=11 r16=1
edit "dpi top of the scale"   dpi 6 6000 -- r12=54
edit "dpi 200-step range"     dpi 1 5400 -- r7=51
edit "dpi off"                dpi 3 off -- r17=0
edit "a value switches on"    dpi 3 2500 -- r9=24 r17=1
edit "dpi colour"             dpi 4 colour 00ff80 -- r32=0 r33=255 r34=128
edit "settings in turn"       dpi 5 off on colour '#102030' 800 -- r19=1 r35=16 r36=32 r37=48 r11=7
edit "polling 1000"           polling 1000 -- r5=1
edit "polling 125"            polling 125 -- r5=8
edit "lighting with step"     lighting respiration 5 -- r47=2 r49=5 r48=2
edit "lighting mode only"     lighting Neon -- r47=3 r50=4
edit "sensitivity both"       sensitivity 9 -- r60=9 r61=9
edit "sensitivity x and y"    sensitivity 2 11 -- r60=2 r61=11
edit "pointer speed and dc"   pointer speed 11 double-click 1 -- r54=11 r56=1
edit "wheel page"             pointer wheel page -- r53=1 r55=3
edit "wheel lines again"      pointer wheel 42 -- r53=0 r55=42
edit "the seventh stage stays" dpi 6 off -- r13=54 r21=1

# Refusals: exit status and message; nothing is written.
before=$(md5sum < "$data/config0.bin")
check "dpi off the scale"  2 "5100 DPI is not on the DPI scale.*nearest: 5000 and 5200" ctl dpi 1 5100
check "dpi below the scale" 2 "nearest: 200" ctl dpi 1 100
check "dpi stage 7"        2 "the DPI stage must be a number from 1 to 6" ctl dpi 7 500
check "dpi bad colour"     2 "a colour is RRGGBB" ctl dpi 1 colour red
check "colour of a stage that is off" 2 "stage 3 is off.*dpi 3 on colour" \
    sh -c "'$ctl' --data-dir '$data' dpi 3 off >/dev/null && '$ctl' --data-dir '$data' dpi 3 colour 112233"
before=$(md5sum < "$data/config0.bin")
check "polling 300"        2 "125, 250, 500 or 1000" ctl polling 300
check "lighting off"       2 "standard, respiration or neon" ctl lighting off
check "lighting step 7"    2 "the step must be a number from 1 to 6" ctl lighting neon 7
check "sensitivity 0"      2 "from 1 to 11" ctl sensitivity 0
check "pointer unknown"    2 "speed, double-click and wheel" ctl pointer acceleration 3
check "pointer wheel 101"  2 "wheel lines must be a number from 1 to 100" ctl pointer wheel 101
check "dpi missing words"  2 "words missing; usage: vorlakctl dpi" ctl dpi 2
check "refusals wrote nothing" 0 "^same$" \
    sh -c "[ \"\$(md5sum < '$data/config0.bin')\" = '$before' ] && echo same"

# Assignments. Entries: 0..6 Button 1..7, 7..13 Shift+1..7 (key-matrix slot order).
# KeyFunction 62+e, KeyDpiAction 76+e, KeyMediaUsage 104+e, KeyWinShortcut 118+e,
# KeyOfficeKey 174+e, KeyCode 188+e, KeyMacroIndex 300+e, KeyMacroMode 314+e.
fresh
edit "media"            assign 4 media mute -- r65=7 r107=226 l4=Mute
edit "media by words"   assign 4 media Open-Media-Player -- r107=131 "l4=Open Media Player"
edit "office"           assign 5 office select-all -- r66=8 r178=4 "l5=Select All"
edit "windows"          assign shift+2 windows show-desktop -- r70=9 r126=5 "l9=Show desktop"
edit "key"              assign 6 key f5 -- r67=10 r193=62 "l6=Assign Keyboard Key-F5"
edit "dpi loop"         assign 7 dpi-loop -- r68=6 r82=3 "l7=DPI Loop"
edit "double-click"     assign shift+7 double-click -- r75=5 l14=Double-Click
edit "deactivated"      assign shift+1 deactivated -- r69=13 l8=Deactivated
edit "shift sets the mirror" assign 4 shift -- r65=18 r73=18 l4=Shift l12=Shift
edit "giving up shift"  assign 4 back -- r65=4 r73=13 l4=Back l12=Deactivated
edit "button 5 mirrors shift+4" assign 5 shift -- r66=18 r72=18 l11=Shift
check "a Shift+ entry that carries Shift" 2 "Shift\+4 carries Shift because Button 5 does" \
    ctl assign shift+4 click
check "Shift in the Shift layer" 2 "Shift is a function of Button 1 ... Button 7 only" \
    ctl assign shift+3 shift
edit "clicks away"      assign 2 click -- r63=0 l2=Click
edit "click stays while another" assign 1 menu -- r62=1 l1=Menu
check "the last left click" 2 "ATTENTION!! At least one button must be set as the \"click\" function" \
    ctl assign 2 scroll
check "unknown button"   2 "no button is called \"8\"" ctl assign 8 click
check "unknown function" 2 "no function is called \"jump\"" ctl assign 1 jump
check "unknown media"    2 "no multimedia function is called \"louder\".*volume up" ctl assign 3 media louder
check "unknown key"      2 "no key is called \"Hyper\"" ctl assign 3 key Hyper
check "unknown macro"    2 "no macro is called \"Nope\"" ctl assign 3 macro Nope
check "media needs a name" 2 "words missing" ctl assign 3 media

# Macros and assignments that follow them. Macro slot i is 128 bytes at 328 + 130 i.
fresh
edit "macro new"         macro new -- s:MacroName:MacroCount=1 s:MacroName:0=Macro_1
edit "macro new named"   macro new Jump -- s:MacroName:1=Jump
edit "macro new numbered" macro new -- s:MacroName:2=Macro_3
edit "macro set"         macro set Macro_1 --loop 2 --record-delay on 'A Dn' '95 ms' 'A   Up' -- \
    "s:Macro_1:Item0=A   Dn" "s:Macro_1:Item1=95 ms" s:Macro_1:ItemCount=3 \
    s:Macro_1:DelayTimeSelStatus=1 r328=0 r329=2 r330=9 r331=4 r332=129 r333=4
edit "assign a macro"    assign 3 macro macro_1 while-held -- r64=11 r302=0 r316=2 l3=Macro:Macro_1
edit "one event plays once" assign shift+3 macro Jump until-any-button -- r71=11 r309=1 r323=0
edit "macro rename"      macro rename Macro_1 Run -- s:MacroName:0=Run "s:Run:Item2=A   Up" l3=Macro:Run
check "renamed section gone" 0 "^$" ini "$data/record.ini" Macro_1 ItemCount
printf '# comment\nB Dn\n1550ms\nB Up\n' > "$data/events.txt"
edit "macro set from a file" macro set Jump --file "$data/events.txt" -- \
    s:Jump:ItemCount=3 r458=0 r459=1 r460=50 r461=5 r462=0 r463=3 r464=0 r465=15
edit "delete moves the buttons" macro delete Run -- s:MacroName:0=Jump \
    r64=13 l3=Deactivated r71=11 r309=0 l10=Macro:Jump r328=0 r329=1 r330=50
check "macro show" 0 "# macro 1 \"Jump\": loop 1, record delays off, 3 events.*B   Dn.*1550 ms" \
    sh -c "'$ctl' --data-dir '$data' macro show jump | tr '\n' ' '"
check "macro list" 0 "1  Jump  3 events, loop 1.*2  Macro_3  0 events" \
    sh -c "'$ctl' --data-dir '$data' macro list | tr '\n' ' '"
check "a bad event" 2 "event 2 \"A sideways\" is not an event" ctl macro set Jump 'A Dn' 'A sideways'
check "an unknown key" 2 "event 1 \"Hyper Dn\" names no key" ctl macro set Jump 'Hyper Dn'
check "a delay too long" 2 "longer than the mouse can wait" ctl macro set Jump 'A Dn' '9999999 ms'
check "a loop of 0" 2 "the loop count must be a number from 1 to 65535" ctl macro set Jump --loop 0
long=(); for i in $(seq 40); do long+=("A Dn" "A Up"); done
check "a macro that does not fit" 2 "does not fit the mouse's macro block.*17 key events would be cut" \
    ctl macro set Jump "${long[@]}"
check "the refused macro stays" 0 "^3$" ini "$data/record.ini" Jump ItemCount
check "a duplicate name" 2 "\"JUMP\" cannot name a macro" ctl macro new JUMP
check "a name with =" 2 "cannot name a macro" ctl macro rename Jump 'a=b'
check "no such macro" 2 "no macro is called \"Nope\"" ctl macro delete Nope
check "events file missing" 3 "nothing.txt does not exist" ctl macro set Jump --file nothing.txt
check "events from a device" 3 "/dev/zero is not a regular file" ctl macro set Jump --file /dev/zero
head -c $((4 * 1024 * 1024 + 1)) /dev/zero | tr '\0' '#' >"$data/huge.txt"
check "an events file larger than the store may be" 3 "huge.txt is larger than the macro store may be" \
    ctl macro set Jump --file "$data/huge.txt"
check "standard input larger than the store may be" 3 "standard input is larger than the macro store" \
    sh -c "'$ctl' --data-dir '$data' macro set Jump --file - <'$data/huge.txt'"
check "the refused files changed nothing" 0 "^3$" ini "$data/record.ini" Jump ItemCount
check "a record-delay flag for a macro without events" 2 "keeps no record-delay flag" \
    ctl macro set Macro_3 --record-delay on
check "the flag was not claimed" 0 "^$" ini "$data/record.ini" Macro_3 DelayTimeSelStatus
for i in $(seq 3 12); do ctl macro new >/dev/null; done
check "the thirteenth macro" 2 "Up to 12 Macros Possible." ctl macro new
check "macro without action" 2 "macro needs one of list, show, new, rename, delete, set" ctl macro

# Profiles: the list in str.ini, the files following their names.
fresh
list() { ini "$data/str.ini" Profile "$1"; }
p() {  # p NAME WANT COMMAND...: the command succeeds, and the list's keys read WANT
    local name=$1 want=$2; shift 2
    local out
    out=$(ctl "$@" 2>&1) || { fail "$name: $out"; return; }
    local got="$(list ItemCount):$(list Item0):$(list Item1):$(list Item2):$(list Item3) @$(list CurProfileName)"
    [ "$got" = "$want" ] && passed=$((passed + 1)) || fail "$name: $got"
}
p "new"               "2:Profile 1:Profile 2:: @Profile 1" profile new
p "new named"         "3:Profile 1:Profile 2:Shooter: @Profile 1" profile new Shooter
ctl dpi 2 1200 >/dev/null
p "switch"            "3:Profile 1:Profile 2:Shooter: @Shooter" profile switch shooter
ctl dpi 2 1600 >/dev/null
[ "$(rec 8 2) $(rec 8 0)" = "15 11" ] && passed=$((passed + 1)) ||
    fail "an edit after a switch writes the new current profile: $(rec 8 2) $(rec 8 0)"
p "copy"              "4:Profile 1:Profile 2:Shooter:Sniper @Shooter" profile copy Shooter Sniper
check "a copy holds its source's record" 0 "^15$" sh -c "od -An -tu1 -j 9 -N1 '$data/config3.bin' | tr -d ' '"
p "rename"            "4:Profile 1:Sparse:Shooter:Sniper @Shooter" profile rename 'Profile 2' Sparse
p "delete"            "3:Profile 1:Shooter:Sniper: @Shooter" profile delete Sparse
check "the files follow their names" 0 "^15 15 11$" \
    sh -c "for n in 1 2 0; do od -An -tu1 -j 9 -N1 '$data'/config\$n.bin; done | tr -d ' ' | tr '\n' ' ' | sed 's/ \$//'"
check "profile list" 0 "^  1  Profile 1 \* 2  Shooter   3  Sniper $" \
    sh -c "'$ctl' --data-dir '$data' profile list | tr '\n' ' '"
p "delete the current one" "2:Profile 1:Sniper:: @Profile 1" profile delete 2
mkdir "$data/out"
check "export" 0 "exported to $data/out/mine.bin and $data/out/mine.ini" sh -c "cd '$data/out' && '$ctl' --data-dir '$data' profile export mine"
check "export writes a record" 0 "^1889$" stat -c %s "$data/out/mine.bin"
check "export writes the labels" 0 "^Scroll $" ini "$data/out/mine.ini" Setting-EN Item3
ctl profile switch Sniper >/dev/null
check "import" 0 "imported $data/out/mine.bin into profile 2" ctl profile import "$data/out/mine.bin"
check "import reads the record" 0 "^11$" sh -c "od -An -tu1 -j 9 -N1 '$data/config1.bin' | tr -d ' '"
cp "$data/str0.ini" "$data/out/bad.bin"
before=$(md5sum < "$data/config1.bin")
check "import of a non-profile" 3 "bad.bin is not a profile record" ctl profile import "$data/out/bad.bin"
check "import without .bin" 2 "is not a profile file: their names hold .bin" ctl profile import "$data/str0.ini"
check "import of nothing" 3 "nothing.bin does not exist" ctl profile import nothing.bin
check "refused imports change nothing" 0 "^same$" \
    sh -c "[ \"\$(md5sum < '$data/config1.bin')\" = '$before' ] && echo same"
check "switch to no profile" 2 "no profile is called \"Nope\"" ctl profile switch Nope
check "a duplicate name" 2 "\"Sniper\" cannot name a profile" ctl profile rename 1 Sniper
for i in 3 4 5 6; do ctl profile new >/dev/null; done
check "the seventh profile" 2 "ATTENTION! Up to 6 Profiles Possible." ctl profile new
check "a copy at six" 2 "Up to 6 Profiles Possible." ctl profile copy 1
for i in 6 5 4 3 2; do ctl profile delete $i >/dev/null; done
check "the last profile stays" 2 "\"Profile 1\" is the only profile" ctl profile delete 1
check "profile without action" 2 "profile needs one of list, switch, new" ctl profile

# show --json carries every field and the values show prints.
fresh
ctl dpi 2 1200 colour 00FF80 >/dev/null
ctl assign 4 media mute >/dev/null
ctl pointer wheel page >/dev/null
check "show --json read back" 0 "^json agrees$" python3 - "$ctl" "$data" <<'PY'
import json, subprocess, sys
ctl, data = sys.argv[1:]
run = lambda *a: subprocess.run([ctl, "--data-dir", data, *a], capture_output=True, text=True, check=True).stdout
j = json.loads(run("show", "--json"))
shown = run("show")
rec = open(data + "/config0.bin", "rb").read()[1:]
r = j["record"]
assert r["dpiLevel"] == list(rec[7:14]) and r["KeyMediaUsage"] == list(rec[104:118]), "fields"
assert len(r["macroSlot"]) == 12 and r["macroSlot"][0] == rec[328:458].hex().upper(), "slots"
assert len(r) == 37, len(r)
for s in j["dpiStages"]:
    line = f"  {s['stage']}  {s['dpi']:<5} {'on' if s['on'] else 'off':<3}  colour {s['colour']}"
    assert line in shown, line
for b in j["buttons"]:
    assert f"  {b['caption']:<9} {b['does']}" in shown, b
assert j["buttons"][3]["function"] == {"kind": "media", "name": "mute", "usage": 226}, j["buttons"][3]
assert j["buttons"][3]["label"] == "Mute" and j["buttons"][0]["function"] == {"kind": "click"}
assert f"Polling rate: {j['pollingRateHz']} Hz" in shown
assert j["pointer"]["wheel"] == "page" and "wheel one page" in shown
assert j["source"]["profile"] == "1" and j["source"]["record"].endswith("config0.bin")
print("json agrees")
PY

# show says what each button does, decoded from the record; its label only where that says
# something else. Every kind of function, and a macro asked to play while held that has no
# events (stored to play once).
fresh
ctl macro new Combo >/dev/null && ctl macro set Combo 'A Dn' '20 ms' 'A Up' >/dev/null
ctl macro new Empty >/dev/null
for a in "2 click" "1 menu" "3 dpi-loop" "4 media mute" "5 office select-all" \
         "6 windows show-desktop" "7 key page-up" "shift+1 macro Combo while-held" \
         "shift+2 macro Empty while-held" "shift+3 double-click" "shift+4 deactivated" \
         "shift+5 forward" "shift+6 dpi-up" "shift+7 scroll"; do
    ctl assign $a >/dev/null || fail "assign $a"
done
ctl assign 1 shift >/dev/null || fail "assign 1 shift"
shown=$(ctl show)
for line in "Button 1  shift" "Button 2  click" "Button 3  dpi-loop" "Button 4  media mute" \
             "Button 5  office select-all" "Button 6  windows show-desktop" \
             "Button 7  key \"Page Up\"" "Shift+1   shift" "Shift+2   macro \"Empty\" once" \
             "Shift+3   double-click" "Shift+4   deactivated" "Shift+5   forward" \
             "Shift+6   dpi-up" "Shift+7   scroll"; do
    grep -qxF -- "  $line" <<<"$shown" && passed=$((passed + 1)) || fail "show lacks: $line"
done
check "show --json decodes the functions" 0 "^decoded$" python3 - "$ctl" "$data" <<'PY'
import json, subprocess, sys
ctl, data = sys.argv[1:]
j = json.loads(subprocess.run([ctl, "--data-dir", data, "show", "--json"], capture_output=True,
                              text=True, check=True).stdout)
f = {b["button"]: b["function"] for b in j["buttons"]}
assert f["4"] == {"kind": "media", "name": "mute", "usage": 226}, f["4"]
assert f["7"] == {"kind": "key", "name": "Page Up", "usage": 75}, f["7"]
assert f["3"] == {"kind": "dpi", "action": "loop"}, f["3"]
assert f["5"] == {"kind": "office", "name": "select-all", "usage": 4}, f["5"]
assert f["6"] == {"kind": "windows", "name": "show-desktop", "index": 5}, f["6"]
assert f["shift+2"] == {"kind": "macro", "number": 2, "name": "Empty", "mode": "once"}, f["shift+2"]
assert f["1"] == {"kind": "shift"} and f["shift+1"] == {"kind": "shift"}, (f["1"], f["shift+1"])
print("decoded")
PY
ctl assign shift+2 macro Combo while-held >/dev/null
check "a macro that plays while held" 0 "^  Shift\+2   macro \"Combo\" while-held$" ctl show
ctl profile export "$data/bare" >/dev/null && rm "$data/bare.ini"
ctl profile import "$data/bare.bin" >/dev/null
check "a record without its labels still shows what each button does" 0 \
    "^  Button 4  media mute +no label$" ctl show
sed -i 's/^Item4=.*/Item4=Quiet please/' "$data/str0.ini"
check "a label that says something else is shown beside" 0 \
    "^  Button 4  media mute +label \"Quiet please\"$" ctl show

# macro show writes what macro set --file reads back whole: events, loop count, delay flag.
ctl macro set Combo --loop 3 --record-delay on >/dev/null
ctl macro show Combo >"$data/combo.txt"
check "macro show, read back by macro set" 0 "macro 2 \"Empty\": 3 events, loop 3, record delays on" \
    ctl macro set Empty --file "$data/combo.txt"
check "the copy's store entries" 0 "^3 1 3 A   Dn$" sh -c "printf '%s %s %s %s' \
    \"\$(awk -v s='[Empty]' '\$0==s{f=1;next} /^\\[/{f=0} f&&/^ItemCount=/{sub(/.*=/,\"\");print}' '$data/record.ini')\" \
    \"\$(awk -v s='[Empty]' '\$0==s{f=1;next} /^\\[/{f=0} f&&/^DelayTimeSelStatus=/{sub(/.*=/,\"\");print}' '$data/record.ini')\" \
    \"\$(awk -v s='[Empty]' '\$0==s{f=1;next} /^\\[/{f=0} f&&/^MacroLoopTimes=/{sub(/.*=/,\"\");print}' '$data/record.ini')\" \
    \"\$(awk -v s='[Empty]' '\$0==s{f=1;next} /^\\[/{f=0} f&&/^Item0=/{sub(/^Item0=/,\"\");print}' '$data/record.ini')\""
check "options on the command line go first" 0 "loop 5, record delays off" \
    ctl macro set Empty --file "$data/combo.txt" --loop 5 --record-delay off
check "--record-delay is the recorder's option" 0 "Record delays box.*changes nothing on the mouse" \
    sh -c "'$ctl' macro set --help | tr '\n' ' '"

# Messages: the DPI scale, a misplaced option, counts, and a long name cut short.
check "a DPI word that is no number" 2 "\"fast\" is no DPI setting: a DPI value from 200 to 6000, on, off or colour" \
    ctl dpi 2 fast
check "an option after the command" 2 "dpi knows no option --simulate; the options of vorlakctl go before the command" \
    ctl dpi 2 1600 --simulate
check "one line" 0 "wheel 1 line$" ctl pointer wheel 1
check "one event" 0 "1 event, loop 1" sh -c "'$ctl' --data-dir '$data' macro set Combo --loop 1 'B Dn' && '$ctl' --data-dir '$data' macro list | grep Combo"
long=$(head -c 100000 /dev/zero | tr '\0' x)
check "a long name is cut" 2 "^vorlakctl: no profile is called \"x{59}…\" \(vorlakctl profile list\)$" \
    ctl profile switch "$long"
check "the man page names help COMMAND" 0 "help" \
    grep -A1 '^\.B vorlakctl help$' "$(dirname "$0")/../../data/vorlakctl.1"

# Round trip: what the edits set is what apply sends to the simulated mouse.
fresh
for edit in "dpi 2 1200" "assign 4 media mute" "sensitivity 9 3" "macro new Reload" \
            "assign 7 macro Reload"; do
    ctl $edit >/dev/null || fail "round trip: $edit"
done
ctl macro set Reload --loop 2 'R Dn' '95 ms' 'R Up' >/dev/null || fail "round trip: macro set"
trace=$("$ctl" --simulate --trace --data-dir "$data" apply 2>/dev/null)
for sent in "set-feature 00 0E B4 3C" "output 00 04 0B 13 1D 27 5D" \
            "output 00 01 00 F0 00 01 00 F1 00 01 00 F2 00 01 00 F4 00 03 00 E2 00 07 00 01 00 09 00 01 00" \
            "output 00 00 02 09 15 81 15 00"; do
    grep -q "^$sent" <<<"$trace" && passed=$((passed + 1)) || fail "apply does not send: $sent"
done

finish

# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the vorlakctl tests: a fresh data folder, the check helpers and readers of the
# record file, the settings files and the macro store.
# Needs: ctl (the program) and datagen (the default data writer).
set -u
XDG_RUNTIME_DIR=$(mktemp -d)   # the instance lock of this run only
export XDG_RUNTIME_DIR GSETTINGS_BACKEND=memory
unset VORLAK_DATA_DIR
data=$(mktemp -d)
trap 'rm -rf "$data" "$XDG_RUNTIME_DIR"' EXIT
failures=0 passed=0

fresh() {  # a new data folder with the default files
    rm -rf "$data"; mkdir -p "$data"; "$datagen" "$data"
}

fail() {
    echo "FAIL $*"; failures=$((failures + 1))
}

check() {  # check NAME EXPECTED_STATUS PATTERN COMMAND...
    local name=$1 want=$2 pattern=$3; shift 3
    local out status
    out=$("$@" 2>&1); status=$?
    if [ "$status" -ne "$want" ] || ! grep -qE -- "$pattern" <<<"$out"; then
        fail "$name: status $status (want $want), output:"; echo "$out" | head -20
    else
        passed=$((passed + 1))
    fi
}

ctl() {  # vorlakctl on the test's data folder
    "$ctl" --data-dir "$data" "$@"
}

rec() {  # rec OFFSET [PROFILE]: a byte of the profile's record, in decimal
    od -An -tu1 -j $((1 + $1)) -N1 "$data/config${2:-0}.bin" | tr -d ' '
}

ini() {  # ini FILE SECTION KEY: the value as the program's INI reader would give it
    awk -v s="[$2]" -v k="$3" '
        tolower($0) == tolower(s) { f = 1; next }
        /^\[/ { f = 0 }
        f && tolower(substr($0, 1, length(k) + 1)) == tolower(k "=") {
            v = substr($0, length(k) + 2); gsub(/^"|"$/, "", v); print v; exit }' "$1"
}

# edit NAME COMMAND... -- CHECK...: the command succeeds and leaves
#   rOFF=V     record byte OFF of profile 0 = V
#   lN=TEXT    label ItemN (entry N-1) of str0.ini, English section = TEXT
#   s:SECTION:KEY=TEXT   the macro store's value
edit() {
    local name=$1; shift
    local words=()
    while [ "$1" != "--" ]; do words+=("$1"); shift; done; shift
    local out
    if ! out=$(ctl "${words[@]}" 2>&1); then
        fail "$name: ${words[*]} failed: $out"; return
    fi
    local c key want got ok=1
    for c in "$@"; do
        key=${c%%=*} want=${c#*=}
        case $c in
            r*) got=$(rec "${key#r}") ;;
            l*) got=$(ini "$data/str0.ini" Setting-EN "Item${key#l}") ;;
            s:*) key=${key#s:}; got=$(ini "$data/record.ini" "${key%%:*}" "${key#*:}") ;;
        esac
        if [ "$got" != "$want" ]; then
            fail "$name: $c gave \"$got\""; ok=0
        fi
    done
    [ $ok -eq 1 ] && passed=$((passed + 1))
}

finish() {
    echo "$passed passed, $failures failed"
    [ "$failures" -eq 0 ]
}

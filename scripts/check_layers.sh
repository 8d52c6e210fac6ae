#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the includes of src/ against the layers (see ARCHITECTURE.md): an include may point
# to its own layer or below, never up; folders never include each other in a cycle; and the
# core (every layer below UI and platform) includes no platform header (Qt, X11, xcb, udev,
# GLib, POSIX). Prints each offending include and fails; prints nothing and succeeds when clean.
#   scripts/check_layers.sh [SRC_DIR]
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
cd "$src"

# Folder -> layer. A file belongs to the longest folder of the table its path starts with.
table="common 0;record 0;keys 0;
config 1;assign 1;macro 1;text 1;
device 2;
app 3;
app/ui 4;assign/ui 4;macro/ui 4;panels 4;controls 4;platform 4;cli 4"
core_top=3  # layers 0..3 are the portable core: the standard library only

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

status=0
grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' . |
    sed 's#^\./##' |
    awk -v table="$table" -v core_top="$core_top" -v edges="$edges" '
    BEGIN {
        n = split(table, rows, ";")
        for (i = 1; i <= n; i++) {
            split(rows[i], kv, " ")
            layer[kv[1]] = kv[2]
        }
        split("bottom,domain,device,controller,UI and platform", names, ",")
        platform = "^(Q|libudev\\.h$|unistd\\.h$|fcntl\\.h$|poll\\.h$|termios\\.h$|dlfcn\\.h$|" \
                   "pthread\\.h$|dirent\\.h$|sys/|linux/|X11/|xcb/|gio/|glib|gtk/|umockdev)"
    }
    function folder(path,    f, best) {
        best = ""
        for (f in layer)
            if (index(path, f "/") == 1 && length(f) > length(best))
                best = f
        return best
    }
    function describe(f) { return f " (" names[layer[f] + 1] ")" }
    {
        file = $0; sub(/:.*/, "", file)
        rest = substr($0, length(file) + 2)
        lineno = rest; sub(/:.*/, "", lineno)
        from = folder(file)
        if (from == "") {
            if (!(file in unplaced))
                print "src/" file ": its folder has no layer in scripts/check_layers.sh"
            unplaced[file] = 1; bad = 1; next
        }
        if (match(rest, /<[^>]*>/)) {
            header = substr(rest, RSTART + 1, RLENGTH - 2)
            if (layer[from] <= core_top && header ~ platform) {
                print "src/" file ":" lineno ": platform header <" header "> in the core folder " \
                      describe(from)
                bad = 1
            }
            next
        }
        if (!match(rest, /"[^"]*"/)) next
        header = substr(rest, RSTART + 1, RLENGTH - 2)
        if (index(header, "/") == 0) next  # beside the including file (generated moc output)
        to = folder(header)
        if (to == "") {
            print "src/" file ":" lineno ": includes " header ", which is in no layered folder"
            bad = 1; next
        }
        if (layer[to] > layer[from]) {
            print "src/" file ":" lineno ": " describe(from) " includes " header " from " \
                  describe(to) ", a higher layer"
            bad = 1
        }
        if (to != from) print from, to > edges
    }
    END { exit bad }' || status=1

# Folders of one layer may include each other, but never round in a circle.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.loop"; then
    echo "folders include each other in a cycle:"
    awk '/input contains a loop/ { if (loop != "") print "  " loop; loop = ""; next }
         { sub(/^tsort: /, ""); loop = loop == "" ? $0 : loop " -> " $0 }
         END { if (loop != "") print "  " loop }' "$edges.loop"
    status=1
fi
rm -f "$edges.loop"
exit "$status"

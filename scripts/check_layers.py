#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layers of src/ (see ARCHITECTURE.md), checked on what the compiler saw.

    check_layers.py BUILD_DIR

Reads the dependencies a build recorded (`ninja -t deps`): for each object compiled from src/,
every header the compiler opened. Each header is mapped to its folder, and:
- a file may see its own layer or below, never a higher one;
- the core (every layer below UI and platform) sees the C++ standard library and its own
  folders only: no other system header (Qt, X11, xcb, udev, GLib, POSIX, xkbcommon ...);
- the files of each folder include those of other folders without a cycle;
- the core links alone: every function of ours that the core library calls is defined in it,
  not in a platform folder.
Each include is also read from the files the compiler saw (whatever their names: .cpp, .h,
.inl) and resolved as the compiler resolves it, to name the file and line; headers that the
standard library itself includes (unistd.h, pthread.h) are refused there when the core asks
for them by name. Prints each fault and fails; prints nothing and succeeds when clean."""
import collections
import os
import re
import subprocess
import sys
import tempfile

# Folder -> layer. A file belongs to the longest folder of the table its path starts with.
LAYERS = {
    "common": 0, "record": 0, "keys": 0, "skin": 0,
    "device": 1,
    "profiles": 2, "assign": 2, "macro": 2, "text": 2,
    "controller": 3,
    "window": 4, "profiles/ui": 4, "assign/ui": 4, "macro/ui": 4, "panels": 4, "controls": 4, "platform": 4,
    "cli": 4,
}
CORE_TOP = 3  # layers 0..3 are the portable core: the standard library only
LAYER_NAMES = ["bottom", "device", "domain", "controller", "UI and platform"]
CORE_LIBRARY = "src/libvorlak_core.a"
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(relative):
    """The layered folder a path under src/ belongs to, or None."""
    best = None
    for folder in LAYERS:
        if relative.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def describe(folder):
    return f"{folder} ({LAYER_NAMES[LAYERS[folder]]})"


def compiler(build):
    """The build's C++ compiler and its flags (those of its build type too, since the C
    library opens other headers when it optimises)."""
    cache = {}
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as f:
        for line in f:
            name, _, value = line.partition("=")
            cache[name.split(":")[0]] = value.strip()
    build_type = cache.get("CMAKE_BUILD_TYPE", "").upper()
    flags = (cache.get("CMAKE_CXX_FLAGS", "") + " " +
             cache.get("CMAKE_CXX_FLAGS_" + build_type, "")).split()
    return [cache.get("CMAKE_CXX_COMPILER", "c++")] + flags


def standard_library(cxx):
    """Every header the C++ standard library opens, and the compiler's system folders."""
    with tempfile.TemporaryDirectory() as scratch:
        probe = os.path.join(scratch, "probe.cpp")
        with open(probe, "w", encoding="utf-8") as f:
            f.write("#include <bits/stdc++.h>\n")
        made = subprocess.run([*cxx, "-std=c++20", "-M", probe], capture_output=True, text=True,
                              check=True).stdout
        verbose = subprocess.run([cxx[0], "-xc++", "-E", "-v", os.devnull], capture_output=True,
                                 text=True).stderr
    headers = {os.path.normpath(p) for p in made.replace("\\\n", " ").split()[2:]}
    folders = re.search(r"#include <\.\.\.> search starts here:\n(.*?)End of search list",
                        verbose, re.S)
    system = [os.path.normpath(f.strip()) for f in folders.group(1).splitlines()] if folders else []
    cxx_library = [f for f in system if re.search(r"/c\+\+/[0-9]+(/|$)", f)]
    return headers, system, cxx_library


def recorded_deps(build, src):
    """source under src/ -> every file its object saw, as absolute paths."""
    out = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True,
                         check=True).stdout
    objects, current = [], None
    for line in out.splitlines():
        if not line.startswith(" "):
            current = []
            objects.append(current)
        elif current is not None:
            current.append(os.path.normpath(os.path.join(build, line.strip())))
    seen = collections.defaultdict(set)
    for paths in objects:  # the first dependency is the source itself
        if paths and paths[0].startswith(src + os.sep):
            seen[paths[0]].update(paths[1:])
    return dict(seen)


class Check:
    def __init__(self, build, src):
        self.build, self.src = build, src
        self.faults = []
        self.flagged = set()  # (source folder, header) pairs already named at their include
        self.edges = collections.defaultdict(set)

    def rel(self, path):
        return os.path.relpath(path, self.src)

    def fault(self, text):
        if text not in self.faults:
            self.faults.append(text)

    def judge(self, where, from_folder, header, by_name, cxx_library, std_headers):
        """A header seen from a file of from_folder; where names the file (and line)."""
        if header.startswith(self.src + os.sep):
            to = folder_of(self.rel(header))
            if to is None:
                self.fault(f"{where}: sees src/{self.rel(header)}, which is in no layered folder")
            elif LAYERS[to] > LAYERS[from_folder]:
                self.fault(f"{where}: {describe(from_folder)} sees src/{self.rel(header)} from "
                           f"{describe(to)}, a higher layer")
            else:
                if to != from_folder:
                    self.edges[from_folder].add(to)
                return
            self.flagged.add((from_folder, header))
            return
        if LAYERS[from_folder] > CORE_TOP or header.startswith(self.build + os.sep):
            return
        standard = (any(header.startswith(f + os.sep) for f in cxx_library) if by_name
                    else header in std_headers)
        if not standard:
            self.fault(f"{where}: platform header {header} in the core folder "
                       f"{describe(from_folder)}")
            self.flagged.add((from_folder, header))


def resolve(directive, form, including, search):
    """The file an include names, as the compiler looks for it."""
    folders = ([os.path.dirname(including)] if form == '"' else []) + search
    for folder in folders:
        path = os.path.normpath(os.path.join(folder, directive))
        if os.path.isfile(path):
            return path
    return None


def linked_alone(check, build, sources):
    """Every function of ours the core calls is defined in the core library."""
    core = os.path.join(build, CORE_LIBRARY)
    if not os.path.exists(core):
        check.fault(f"{CORE_LIBRARY} is not built in {build}: build it before the check")
        return

    def symbols(archive, flag):
        out = subprocess.run(["nm", "-C", flag, archive], capture_output=True, text=True).stdout
        found, member = {}, None
        for line in out.splitlines():
            if line.endswith(":") and not line.startswith(" "):
                member = line[:-1]
                continue
            parts = line.split(None, 2 if flag == "--defined-only" else 1)
            if len(parts) >= 2 and re.match(r"(vtable for |typeinfo for )?vorlak::", parts[-1]):
                found.setdefault(parts[-1], member)
        return found

    defined = symbols(core, "--defined-only")
    missing = [s for s in symbols(core, "-u") if s not in defined]
    if not missing:
        return
    elsewhere = {}
    for root, _, files in os.walk(os.path.join(build, "src")):
        for name in files:
            if name.endswith(".a") and os.path.join(root, name) != core:
                for symbol, member in symbols(os.path.join(root, name), "--defined-only").items():
                    elsewhere.setdefault(symbol, (name, member))
    def source_of(member):
        found = [s for s in sources if os.path.basename(s) + ".o" == member]
        if len(found) != 1:
            return member
        folder = folder_of(check.rel(found[0]))
        return f"src/{check.rel(found[0])}" + (f" ({LAYER_NAMES[LAYERS[folder]]})" if folder else "")

    for symbol in sorted(missing):
        where = elsewhere.get(symbol)
        by = (f"only {source_of(where[1])} defines it" if where else "nothing in src/ defines it")
        check.fault(f"{CORE_LIBRARY}: the core calls {symbol}, but {by}: the core must link "
                    "alone (give it an interface the core owns, implemented by the platform)")


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    src = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src"))
    deps = recorded_deps(build, src)
    if not deps:
        print(f"no dependencies recorded in {build}: build it with Ninja first")
        return 1
    std_headers, system, cxx_library = standard_library(compiler(build))
    check = Check(build, src)

    # The includes as written, in every file under src/ the compiler opened.
    opened = set(deps) | {h for seen in deps.values() for h in seen
                          if h.startswith(src + os.sep)}
    for path in sorted(opened):
        from_folder = folder_of(check.rel(path))
        if from_folder is None:
            check.fault(f"src/{check.rel(path)}: its folder has no layer in scripts/check_layers.py")
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                header = resolve(match.group(2), match.group(1), path, [src] + system)
                if header:
                    check.judge(f"src/{check.rel(path)}:{number}", from_folder, header, True,
                                cxx_library, std_headers)

    # Everything each object saw, however it was included.
    for source, seen in sorted(deps.items()):
        from_folder = folder_of(check.rel(source))
        if from_folder is None:
            continue
        for header in sorted(seen):
            if (from_folder, header) in check.flagged:
                continue
            if any(pair[1] == header for pair in check.flagged):
                continue  # named where it is included
            check.judge(f"src/{check.rel(source)} (through its includes)", from_folder, header,
                        False, cxx_library, std_headers)

    # Folders of one layer may include each other, but never round in a circle.
    state = {}

    def visit(folder, trail):
        state[folder] = "open"
        for to in sorted(check.edges[folder]):
            if state.get(to) == "open":
                loop = trail[trail.index(to):] + [to]
                check.fault("folders include each other in a cycle: " + " -> ".join(loop))
            elif to not in state:
                visit(to, trail + [to])
        state[folder] = "done"

    for folder in sorted(check.edges):
        if folder not in state:
            visit(folder, [folder])

    linked_alone(check, build, deps)
    for fault in check.faults:
        print(fault)
    return 1 if check.faults else 0


if __name__ == "__main__":
    sys.exit(main())

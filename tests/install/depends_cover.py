#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the package's Depends bring everything the running window loaded.

    depends_cover.py PID "DEPENDS" PROGRAM... [--plugin FILE]...

The package's Depends are DEPENDS (the explicit ones, comma separated) and the packages of the
libraries the PROGRAMs are linked with (what dpkg-shlibdeps adds). With everything they depend
on, as installed here, they must hold the package of every shared object mapped into process
PID, and of each named Qt plugin (platforms/libqwayland-generic.so: a plugin the window loads
on another desktop; the folder is that of the platform plugin loaded). Recommends do not count: `apt install --no-install-recommends` skips them.
Prints what is missing and fails; prints the counts and succeeds otherwise."""
import os
import re
import subprocess
import sys


def installed_packages():
    """name -> (Depends + Pre-Depends, Provides) of every installed package."""
    out = subprocess.run(
        ["dpkg-query", "-W", "-f=${Package}\t${Status}\t${Depends}, ${Pre-Depends}\t${Provides}\n"],
        capture_output=True, text=True, check=True).stdout
    packages, providers = {}, {}
    for line in out.splitlines():
        name, status, depends, provides = line.split("\t")
        if not status.endswith(" installed"):
            continue
        packages[name] = depends
        for virtual in re.findall(r"([a-z0-9][a-z0-9+.-]*)", re.sub(r"\([^)]*\)", "", provides)):
            providers.setdefault(virtual, []).append(name)
    return packages, providers


def satisfying(depends, packages, providers):
    """The installed packages that satisfy a Depends field: of each clause, the first
    alternative that is installed (or provided)."""
    chosen = []
    for clause in depends.split(","):
        for alternative in clause.split("|"):
            wanted = re.sub(r"\(.*?\)|:any|\[.*?\]", "", alternative).strip()
            if not wanted:
                continue
            found = [wanted] if wanted in packages else providers.get(wanted, [])
            if found:
                chosen.extend(found)
                break
    return chosen


def closure(roots, packages, providers):
    """The roots and every package they depend on."""
    seen, todo = set(), list(roots)
    while todo:
        name = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        todo.extend(satisfying(packages.get(name, ""), packages, providers))
    return seen


def owners(paths):
    """path -> package for each path some installed package ships (/usr merged or not)."""
    variants = {}
    for path in paths:
        for candidate in {path, os.path.realpath(path)}:
            variants[candidate] = path
            other = candidate[4:] if candidate.startswith("/usr/") else "/usr" + candidate
            variants[other] = path
    out = subprocess.run(["dpkg", "-S", *variants], capture_output=True, text=True).stdout
    found = {}
    for line in out.splitlines():
        package, _, shipped = line.partition(": ")
        if shipped in variants:
            found[variants[shipped]] = package.split(",")[0].split(":")[0].strip()
    return found


def linked_libraries(programs):
    libraries = set()
    for program in programs:
        out = subprocess.run(["ldd", program], capture_output=True, text=True).stdout
        libraries.update(re.findall(r"=> (/\S+)", out))
    return libraries


def main():
    args = sys.argv[1:]
    plugins = [args[i + 1] for i, a in enumerate(args) if a == "--plugin"]
    args = [a for i, a in enumerate(args) if a != "--plugin" and (i == 0 or args[i - 1] != "--plugin")]
    pid, explicit, programs = args[0], args[1], args[2:]
    packages, providers = installed_packages()
    linked = owners(linked_libraries(programs))
    roots = set(satisfying(explicit, packages, providers)) | set(linked.values())
    covered = closure(roots, packages, providers)
    with open(f"/proc/{pid}/maps") as maps:
        loaded = {line.split()[-1] for line in maps if ".so" in line.split()[-1]}
    # The plugin folder: where the platform plugin the window loaded lies.
    platform = [p for p in loaded if "/plugins/platforms/" in p]
    plugin_dir = platform[0].split("/platforms/")[0] if platform else ""
    needed = loaded | {os.path.join(plugin_dir, p) for p in plugins}
    shipped = owners(needed)
    missing = []
    for path in sorted(needed):
        package = shipped.get(path)
        if package is None:
            if not path.startswith("/usr/") and not path.startswith("/lib"):
                continue  # the program's own files
            missing.append(f"{path}: no installed package ships it")
        elif package not in covered:
            missing.append(f"{path}: from {package}, which the Depends do not bring")
    for line in missing:
        print(line)
    print(f"{len(needed)} loaded libraries and plugins, {len(covered)} packages through the Depends,"
          f" {len(missing)} missing")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())

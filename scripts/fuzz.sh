#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each of them, then prints how many inputs
# it ran and how many a second.
#   scripts/fuzz.sh [SECONDS]   each target for SECONDS (default 300)
#   scripts/fuzz.sh --runs N    a long campaign: each target until it has run N inputs
# Corpora grow in fuzz-corpus/<target>; seeds come from fuzz/seeds/<target>. Each target gets
# a temporary folder of its own on a memory file system (/dev/shm when there is one), so that
# the targets that write files cost no disk.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=(-max_total_time="${1:-300}")
if [ "${1:-}" = "--runs" ]; then
  [ -n "${2:-}" ] || { echo "usage: scripts/fuzz.sh [SECONDS | --runs N]" >&2; exit 2; }
  limit=(-runs="$2")
fi

targets=$(basename -s .cpp fuzz/fuzz_*.cpp)
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLAK_FUZZ=ON \
  -DVORLAK_TESTS=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build build-fuzz --target $targets

memory=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && memory=/dev/shm
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=fuzz-corpus/$name
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  echo "-- $name (${limit[*]})"
  # A temporary folder of its own: whatever the fuzzer leaves there is a fault.
  tmp=$(mktemp -d -p "$memory")
  start=$(date +%s%N)
  TMPDIR=$tmp "$fuzzer" "${limit[@]}" -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/$name-" "$corpus" "${seeds[@]}" 2>"build-fuzz/$name.log" ||
    { tail -n 60 "build-fuzz/$name.log"; rm -rf "$tmp"; exit 1; }
  if [ -n "$(ls -A "$tmp")" ]; then
    echo "$name left files in its temporary folder:"; ls -A "$tmp"; rm -rf "$tmp"; exit 1
  fi
  rmdir "$tmp"
  awk '/^stat::number_of_executed_units/ { runs = $2 }
       END { printf "%s: %d inputs in %.1f s, %d a second\n", name, runs, ns / 1e9, runs * 1e9 / ns }' \
    name="$name" ns=$(($(date +%s%N) - start)) "build-fuzz/$name.log"
done
echo "fuzz: all targets ran without a finding"

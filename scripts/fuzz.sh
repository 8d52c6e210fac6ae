#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 300).
# Corpora grow in fuzz-corpus/<target>; seeds come from fuzz/seeds/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}

targets=$(basename -s .cpp fuzz/fuzz_*.cpp)
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLAK_FUZZ=ON \
  -DVORLAK_TESTS=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build build-fuzz --target $targets

for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=fuzz-corpus/$name
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  echo "-- $name for ${seconds}s"
  # A temporary folder of its own: whatever the fuzzer leaves there is a fault.
  tmp=$(mktemp -d)
  TMPDIR=$tmp "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/$name-" "$corpus" "${seeds[@]}" 2>"build-fuzz/$name.log" ||
    { tail -n 60 "build-fuzz/$name.log"; exit 1; }
  if [ -n "$(ls -A "$tmp")" ]; then
    echo "$name left files in its temporary folder:"; ls -A "$tmp"; exit 1
  fi
  rmdir "$tmp"
  grep -E '^stat::number_of_executed_units' "build-fuzz/$name.log" || true
done
echo "fuzz: all targets ran without a finding"

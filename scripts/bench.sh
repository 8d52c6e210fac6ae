#!/usr/bin/env bash
# Builds and runs the benchmarks; they print figures, nothing is asserted.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
build/bench/vorlak_bench_apply

#!/usr/bin/env bash
# Sets everything up, builds, and runs what Vorlak has so far.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
exec build/bin/vorlakctl show "$@"

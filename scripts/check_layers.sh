#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the layers of src/ on what the compiler saw in a Ninja build (default build/): see
# scripts/check_layers.py. Prints each fault and fails; prints nothing when clean.
#   scripts/check_layers.sh [BUILD_DIR]
exec python3 "$(dirname "$0")/check_layers.py" "${1:-build}"

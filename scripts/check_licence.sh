#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file, script and build file carries the project's licence line in its first
# three lines: scripts/check_licence.sh [ROOT]. Lists the files without it and fails.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
tag='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0
while IFS= read -r f; do
  [ -f "$f" ] || continue
  if ! head -3 "$f" | grep -qF "$tag"; then
    echo "no licence line: $f"; missing=1
  fi
done < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.sh' '*CMakeLists.txt' .ci/run)
[ "$missing" = 0 ] && echo "every source file has its licence line"
exit "$missing"

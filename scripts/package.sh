#!/usr/bin/env bash
# Builds the Debian package vorlak_<version>_amd64.deb from a Release build, checks it with
# lintian (errors fail, warnings are shown) and leaves it in the build folder.
#   usage: scripts/package.sh [BUILD_DIR]   (default build-release; an existing Release build
#                                            such as the test command's is reused)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-release}
scripts/setup.sh
if [ "$(cmake -L -N "$dir" 2>/dev/null | sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p')" != Release ]; then
  scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Release
else
  cmake --build "$dir"
fi
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$dir"/vorlak_*_amd64.deb | head -1)
echo "== $deb ($(du -k "$deb" | cut -f1) KiB)"
dpkg-deb -I "$deb" | sed -n '/Package:/,$p'
echo "== lintian"
lintian --fail-on error --no-tag-display-limit "$deb"
echo "package: $deb"

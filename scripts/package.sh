#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package vorlak_<version>_amd64.deb with CPack, checks that it holds every
# installed file, and checks it with lintian (an error fails; warnings are shown).
#   usage: scripts/package.sh [BUILD_DIR]
# Without BUILD_DIR the package comes from a Release build in build-release/. An existing build
# folder is reused as it is configured (the test command packages its own build).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-release}
scripts/setup.sh
if [ -f "$dir/CMakeCache.txt" ]; then
  cmake --build "$dir"
else
  scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Release -DVORLAK_TESTS=OFF
fi
rm -f "$dir"/vorlak_*_amd64.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/vorlak_*_amd64.deb)
echo "== $deb: $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Version Depends

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
missing=0
for file in usr/bin/vorlak usr/bin/vorlakctl usr/lib/udev/rules.d/70-vorlak.rules \
    usr/share/applications/org.vorlak.Vorlak.desktop \
    usr/share/metainfo/org.vorlak.Vorlak.metainfo.xml \
    usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/org.vorlak.Vorlak.png \
    usr/share/man/man1/vorlak.1.gz usr/share/man/man1/vorlakctl.1.gz \
    usr/share/doc/vorlak/copyright usr/share/doc/vorlak/changelog.gz \
    usr/share/vorlak/Skins/main{,@2x}.png usr/share/vorlak/Skins/Mouse/Front/MouseFront{,@2x}.png \
    usr/share/vorlak/defaults/{config.bin,record.ini,str.ini} \
    usr/share/vorlak/defaults/{config,str}{0,1,2,3,4,5}.{bin,ini}; do
  case $file in *config?.ini|*str?.bin) continue;; esac
  grep -qx "./$file" <<<"$listing" || { echo "missing from the package: /$file"; missing=1; }
done
[ "$missing" = 0 ] && echo "the package holds every installed file ($(wc -l <<<"$listing") entries)"

echo "== lintian"
status=0
lintian --fail-on error --tag-display-limit 0 "$deb" >"$dir/lintian.txt" 2>&1 || status=$?
grep -v '^running with root privileges' "$dir/lintian.txt" || echo "(no tags)"
[ "$missing" = 0 ] && [ "$status" = 0 ]
echo "package: $deb"

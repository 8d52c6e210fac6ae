#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows that a change left every window as it was: builds revision REV beside this tree and
# compares, pixel by pixel (ImageMagick's compare -metric AE), the generated skin images, the
# windows' screenshots on Xvfb in the four languages (scripts/screenshots.sh) and the offscreen
# pictures of every window, dialog, panel and menu (tools/pictures, where REV has it).
#   scripts/compare_pictures.sh REV [BUILD_DIR]
# The tree's own build is BUILD_DIR (default build); REV is built in BUILD_DIR/compare/source.
# Prints each picture that differs and the count; fails when one differs or is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
rev=$1 build=$(realpath -m "${2:-build}")
base=$build/compare/source out=$build/compare/pictures
commit=$(git rev-parse --verify "$rev^{commit}")
rm -rf "$out"; mkdir -p "$out"
if [ "$(cat "$base/.commit" 2>/dev/null)" != "$commit" ]; then  # kept, and built, for the next run
  rm -rf "$base"; mkdir -p "$base"
  git archive "$commit" | tar -x -C "$base"
  echo "$commit" >"$base/.commit"
fi

targets() { ninja -C "$1" -t targets all | grep -oE '^(vorlak|vorlak_skins|vorlak_default_data|vorlak_pictures):' | tr -d :; }
echo "== building $rev"
cmake -S "$base" -B "$base/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLAK_TESTS=OFF >/dev/null
cmake --build "$base/build" --target $(targets "$base/build") >/dev/null
echo "== building this tree"
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target $(targets "$build") >/dev/null

export XDG_RUNTIME_DIR=$out/runtime; mkdir -p -m 700 "$XDG_RUNTIME_DIR"
for side in before after; do
  bin=$([ $side = before ] && echo "$base/build/bin" || echo "$build/bin")
  tools=$([ $side = before ] && echo "$base/build/tools" || echo "$build/tools")
  mkdir -p "$out/$side/skins" "$out/$side/shots" "$out/$side/offscreen"
  cp -r "$bin/Skins/." "$out/$side/skins"
  scripts/screenshots.sh "$out/$side/shots" "$bin" >/dev/null
  if [ -x "$tools/pictures/pictures" ]; then "$tools/pictures/pictures" "$bin" "$out/$side/offscreen" 2>/dev/null; fi
done

differ=0 same=0
for kind in skins shots offscreen; do
  if [ -z "$(ls "$out/before/$kind")" ] && [ $kind = offscreen ]; then
    echo "offscreen: $rev has no tools/pictures; not compared"; continue
  fi
  names=$( (cd "$out/before/$kind" && find . -name '*.png'; cd "$out/after/$kind" && find . -name '*.png') | sort -u)
  for name in $names; do
    a=$out/before/$kind/$name b=$out/after/$kind/$name
    if [ ! -f "$a" ] || [ ! -f "$b" ]; then
      echo "$kind/${name#./}: only $([ -f "$a" ] && echo before || echo after)"; differ=$((differ+1)); continue
    fi
    ae=$(compare -metric AE "$a" "$b" null: 2>&1 || true)
    if [ "$ae" = 0 ]; then same=$((same+1)); else echo "$kind/${name#./}: $ae pixels differ"; differ=$((differ+1)); fi
  done
done
echo "$same pictures the same, $differ differ (before: $rev, after: this tree; in $out)"
[ "$differ" = 0 ]

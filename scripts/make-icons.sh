#!/bin/sh
# Draws the icon bar's icons into resources/icons/ with the program's own engine: builds the
# make_icons tool in build-icons/ and runs it. Safe to run again: the icons depend only on the
# engine, the preset tables and the default palette, and come out byte for byte the same.
#
# The old PNGs are overwritten, never removed first: the program's build embeds them, and the
# tool itself is built from that same tree.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-icons"

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target make_icons
mkdir -p "$root/resources/icons"
"$build/tools/make_icons/make_icons" "$root/resources/icons"

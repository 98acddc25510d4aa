#!/bin/sh
# Renders the sample pictures of the help pages into resources/help/images/ with the program's
# own engine: builds the help_samples tool in build-help/ and runs it. Safe to run again: the
# pictures depend only on the engine and come out byte for byte the same.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-help"

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target help_samples
mkdir -p "$root/resources/help/images"
rm -f "$root"/resources/help/images/samples-*-level-*.png
"$build/tools/help_samples/help_samples" "$root/resources/help/images"

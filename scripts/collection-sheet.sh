#!/bin/sh
# The contact sheet of the collection in the README, made by the renderer from the files: each
# file's picture after its own step (iStep generations, the picture one Next shows after it is
# opened, as the Collection window's thumbnails), its generations one under another for a file of
# a single row, with its English title under it.
# Usage: scripts/collection-sheet.sh [output] (default docs/collection.png)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/collection.png}
"$root/scripts/setup.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j2 --target vellicor-render
render="$root/build/render/vellicor-render"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

set --
for file in "$root"/collection/*.vellicor; do
    name=$(basename "$file" .vellicor)
    key() { sed -n "s/^$1=//p" "$file" | tr -d '\r'; }
    step=$(key iStep)
    if [ "$(key wMaxVer)" = 2 ]; then
        # One row a generation: the frames of the run, stacked.
        [ "$step" -gt 99 ] && step=99
        "$render" --automaton "$file" --generations "$step" --quiet --output "$work/$name.gif"
        convert "$work/$name.gif" -coalesce -append "$work/$name.png"
    else
        "$render" --automaton "$file" --generations "$step" --quiet --output "$work/$name.png"
    fi
    # Whole pixels per cell up to 120 pixels, as the gallery draws them.
    convert "$work/$name.png" -filter point -resize 120x120 "$work/$name.png"
    set -- "$@" -label "$(key Title)" "$work/$name.png"
done
mkdir -p "$(dirname "$out")"
montage "$@" -tile 8x -geometry 120x120+6+6 -pointsize 11 -background '#c0c0c0' "$out"
echo "$out"

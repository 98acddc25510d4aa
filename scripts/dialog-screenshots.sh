#!/bin/sh
# Pictures of the parameter dialogs (Array, Array fill, Random, Transition rules, Neighbourhood,
# Preferences, Statistics) in English and French, each opened by its command in the running
# program on a virtual display. Usage: scripts/dialog-screenshots.sh [output folder]
# (default build/screenshots/dialogs)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots/dialogs}
"$root/scripts/setup.sh"

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j2 --target dialog_shots
[ -n "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR="$(mktemp -d)"

config=$(mktemp -d)
XDG_CONFIG_HOME="$config" xvfb-run -a -s '-screen 0 1280x800x24' \
    "$root/build/tools/dialog_shots/dialog_shots" "$out"
rm -rf "$config"

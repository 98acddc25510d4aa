#!/bin/sh
# Builds Vellicor and starts it. Without a display it starts the program on a virtual display,
# saves a screenshot and says where.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
edition=${1:-vellicor}
"$root/scripts/setup.sh"

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j2 --target "$edition"
program="$root/build/shell/$edition"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

shot="$root/build/screenshot-$edition.png"
[ -n "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR="$(mktemp -d)"
xvfb-run -a -s '-screen 0 1280x800x24' sh -c \
    "\"$program\" & p=\$!; sleep 3; import -window root \"$shot\"; kill \$p"
echo "No display here: $edition ran on a virtual display; screenshot saved to $shot"

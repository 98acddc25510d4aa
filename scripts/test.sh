#!/bin/sh
# Builds Vellicor from scratch and runs every test: once in the default (release) build, which
# also builds the benchmarks, and once under AddressSanitizer + UndefinedBehaviorSanitizer.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export QT_QPA_PLATFORM=offscreen
[ -n "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR="$(mktemp -d)"

build() { # folder, cmake options...
    dir="$root/$1"; shift
    rm -rf "$dir"
    cmake -S "$root" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j2
    ctest --test-dir "$dir" -j2 --output-on-failure
}

build build -DCMAKE_BUILD_TYPE=Release
build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELLICOR_SANITIZE=ON -DVELLICOR_BENCHMARKS=OFF
echo "All tests passed."

#!/bin/sh
# Fuzzes every reader of outside data: scripts/fuzz.sh [RUNS]
# Builds every libFuzzer target (each target named NAME_fuzzer, see vellicor_add_fuzzer) with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz, and runs each for RUNS
# inputs (default 1,000,000), starting from the seed inputs in the source tree's fuzz/seeds/NAME
# folders. Prints one line per fuzzer, "fuzz: NAME N runs, C crashes"; a fuzzer stops at its
# first crash, whose report and input stay in build-fuzz/fuzz-NAME.
set -eu
runs=${1:-1000000}
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" clang libclang-rt-14-dev

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELLICOR_FUZZ=ON -DVELLICOR_SANITIZE=ON -DVELLICOR_BENCHMARKS=OFF >/dev/null
fuzzers=$(ninja -C "$build" -t targets all | grep -v '^cmake_' | sed -n 's/^\([A-Za-z0-9_]*\)_fuzzer: phony$/\1/p' | sort -u)
[ -n "$fuzzers" ] || { echo "no fuzz targets found" >&2; exit 1; }
# shellcheck disable=SC2046
cmake --build "$build" -j2 --target $(for name in $fuzzers; do printf '%s_fuzzer ' "$name"; done) \
    >"$build/build.log" || { tail -n 40 "$build/build.log" >&2; exit 1; }

for name in $fuzzers; do
    work="$build/fuzz-$name"
    rm -rf "$work"
    mkdir -p "$work/corpus"
    seeds=$(find "$root" -path "$root/build*" -prune -o -type d -path "*/fuzz/seeds/$name" -print)
    program=$(find "$build" -type f -name "${name}_fuzzer" -perm -u+x | head -n 1)
    status=0
    # shellcheck disable=SC2086
    (cd "$work" && "$program" -runs="$runs" -seed=1 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/" corpus $seeds) >"$work/log" 2>&1 || status=$?
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    crashes=0
    if [ "$status" -ne 0 ]; then
        crashes=1
        [ -n "$done_runs" ] || done_runs=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$work/log" | tail -n 1)
    fi
    echo "fuzz: $name ${done_runs:-0} runs, $crashes crashes"
    if [ "$crashes" -ne 0 ]; then
        grep -E -A40 'ERROR: (AddressSanitizer|libFuzzer)|runtime error:|deadly signal' "$work/log" | head -n 60
        ls "$work"/crash-* "$work"/timeout-* "$work"/oom-* 2>/dev/null || true
    fi
done

#!/usr/bin/env bash
# A longer search with one fuzz target:
#
#     scripts/fuzz.sh <target> [minutes] [libFuzzer options...]
#     scripts/fuzz.sh fuzz_qifimport 30 -jobs=4 -workers=4
#
# Targets: fuzz_csv, fuzz_qif, fuzz_qifimport, fuzz_backup, fuzz_syncpull
# (tests/fuzz/). Builds the target into ./build-fuzz (or $FUZZ_BUILD_DIR), set
# up like the sanitizer build but with coverage feedback from all the code,
# and searches from its seeds with its dictionary for the given minutes (10 by
# default). What it learns stays in build-fuzz/fuzz/<target>/corpus; a
# crashing input is written to build-fuzz/fuzz/<target>/ and the search stops.
# Once the fault is fixed, keep that input in tests/fuzz/crashes/<target>/:
# CTest replays it from then on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/sanitizer-env.sh"

if [ $# -lt 1 ]; then
    sed -n '2,14s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
target=$1
minutes=${2:-10}
shift $(($# < 2 ? $# : 2))

seeds=$root/tests/fuzz/corpus/$target
if [ ! -d "$seeds" ]; then
    echo "No fuzz target $target (no seeds in $seeds)" >&2
    exit 2
fi

build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja "${asan_cmake_args[@]}" -DVELLUMRY_FUZZ_COVERAGE=ON >/dev/null
cmake --build "$build" --target "$target" --parallel "$(nproc)"

work=$build/fuzz/$target
mkdir -p "$work/corpus"
options=(-max_total_time=$((minutes * 60)) -artifact_prefix="$work/" -print_final_stats=1)
dict=$root/tests/fuzz/dict/${target#fuzz_}.dict
if [ -f "$dict" ]; then
    options+=(-dict="$dict")
fi
cd "$work"
exec "$build/tests/fuzz/$target" "${options[@]}" "$@" "$work/corpus" "$seeds"

#!/usr/bin/env bash
# Configures and builds into ./build (or $BUILD_DIR) with Ninja.
#
# The default build keeps line tables only (enough for every backtrace and
# sanitizer report; full debug info doubles the objects and the link time)
# and links with gold, which links the many test programs faster than the
# default linker. Both apply to RelWithDebInfo only; a BUILD_TYPE=Debug build
# keeps full debug info, and arguments given here override either.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" \
    -DCMAKE_EXE_LINKER_FLAGS_RELWITHDEBINFO=-fuse-ld=gold \
    "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

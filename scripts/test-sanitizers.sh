#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-asan (or $ASAN_BUILD_DIR) and runs
# every test there, the fuzz targets' seed replays included.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/sanitizer-env.sh"
"$root/scripts/install-deps.sh"
BUILD_DIR=$asan_build "$root/scripts/build.sh" "${asan_cmake_args[@]}"
cd "$asan_build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 900

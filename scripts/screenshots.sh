#!/usr/bin/env bash
# Renders every window and dialog, on the sample data, in the light and the dark
# theme, into docs/screenshots/ (or the folder given): one PNG per window and
# theme, the main window at 1280x900. Runs offscreen, in a home of its own.
# A second argument renders another interface language (de, es, fr, ja) into
# the folder given, to look at; the committed pictures are English.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots}
language=${2:-en}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
fi
cmake --build "$build" --target vellumry_screenshots --parallel "$(nproc)"
mkdir -p "$out"
rm -f "$out"/*.png
# The offscreen platform names what it cannot do (raise, size hints): not news.
QT_QPA_PLATFORM=offscreen "$build/src/app/vellumry_screenshots" "$out" "$language" \
    2> >(grep -v -e 'This plugin does not support' -e 'XDG_RUNTIME_DIR' >&2)
echo "screenshots in $out"

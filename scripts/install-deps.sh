#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Vellumry need.
# Only what is missing is installed, so a second run does nothing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libgl-dev libxkbcommon-dev
    fonts-material-design-icons-iconfont
    libzip-dev unzip fonts-dejavu-core
    # Japanese glyphs, so that the tests measure the Japanese windows' texts
    # as they are drawn, not as missing-glyph boxes: the CJK font a Debian
    # desktop carries, whose taller lines are what a wrapped hint must fit
    # (the smaller IPA Gothic's would hide a cut one).
    fonts-noto-cjk
    sqlite3 libsqlite3-dev python3
    # The theme tests run a private session bus with a fake desktop portal.
    dbus-daemon
    # The sanitizer build and the fuzz targets: clang, its sanitizer and
    # libFuzzer runtimes, and llvm-symbolizer for readable reports.
    clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

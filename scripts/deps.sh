#!/usr/bin/env bash
# Installs what LUMORA needs to build and test, from Debian's packages.
# Packages already present are not fetched again. --desktop is still
# taken: the font with the Chinese characters is always installed now.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev libgl-dev
    libgtest-dev
    dpkg-dev lintian
    clang libclang-rt-14-dev
    wine wine64 g++-mingw-w64-x86-64
    xvfb openbox xdotool x11-utils imagemagick
    poppler-utils
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-droid-fallback
    at-spi2-core python3-pyatspi dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"

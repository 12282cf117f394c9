#!/usr/bin/env bash
# Installs what LUMORA needs to build and test, from Debian's packages.
# Packages already present are not fetched again. With --desktop also a
# font with the full-width characters the window shows.
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
)
[ "${1:-}" = "--desktop" ] && packages+=(fonts-droid-fallback)

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

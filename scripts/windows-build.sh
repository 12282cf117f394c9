#!/usr/bin/env bash
# Cross-builds lumora.exe and lumora-cli.exe for 64-bit Windows against the
# static Qt that scripts/qt-windows.sh makes (once a machine), into
# build-windows/: static, stripped, no DLLs beside them, each with its icon,
# version information and manifest; then the relink kit
# LUMORA-1.0-win64-relink.zip (scripts/relink-kit.sh), the installer
# LUMORA-1.0-win64.exe (NSIS) and the portable LUMORA-1.0-win64.zip.
# The programs and the installer are signed where a certificate is given
# (scripts/sign-windows.sh: its options, or its environment variables).
# Usage: scripts/windows-build.sh [--cert PEM --key PEM [--password-file FILE] [--timestamp URL]]
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
for tool in makensis:nsis mandoc:mandoc osslsigncode:osslsigncode; do
    command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
qt=$(scripts/qt-windows.sh)
# A build made against another Windows Qt (other options) starts afresh:
# CMake keeps the Qt it first found.
if [ -f build-windows/CMakeCache.txt ] && ! grep -qxF "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" build-windows/CMakeCache.txt; then
    rm -rf build-windows
fi
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
cmake --build build-windows -j "$(nproc)"
scripts/relink-kit.sh build-windows >/dev/null
# Signed before they are packed, so that the installer and the zip hold
# the signed programs; then the installer itself.
scripts/sign-windows.sh "$@" build-windows/src/app/lumora.exe build-windows/src/app/lumora-cli.exe
(cd build-windows && cpack >/dev/null)
scripts/sign-windows.sh "$@" build-windows/LUMORA-*-win64.exe
ls -l build-windows/src/app/lumora.exe build-windows/src/app/lumora-cli.exe build-windows/LUMORA-*-win64*.*

#!/usr/bin/env bash
# Cross-builds lumora.exe and lumora-cli.exe for 64-bit Windows against the
# static Qt that scripts/qt-windows.sh makes (once a machine), into
# build-windows/: static, stripped, no DLLs beside them; then the installer
# LUMORA-1.0-win64.exe (NSIS) and the portable LUMORA-1.0-win64.zip.
# Usage: scripts/windows-build.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v makensis >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends nsis
fi
qt=$(scripts/qt-windows.sh)
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
cmake --build build-windows -j "$(nproc)"
(cd build-windows && cpack >/dev/null)
ls -l build-windows/src/app/lumora.exe build-windows/src/app/lumora-cli.exe build-windows/LUMORA-1.0-win64.*

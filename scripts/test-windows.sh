#!/usr/bin/env bash
# The Windows build and its tests under Wine: lumora.exe, lumora-cli.exe,
# the installer and the zip cross-built against the static Windows Qt
# (made by scripts/qt-windows.sh, once a machine), then the widget tests,
# lumora-cli.exe against the virtual radio on COM1, the window with its
# screenshots (kept in build-windows/shots) and the installer, all under Wine.
# Needs the Linux build in ./build (the virtual radio, lumora-cli to compare).
# Usage: scripts/test-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/windows-build.sh
tests/windows/widget-tests-under-wine.sh build-windows
tests/windows/cli-under-wine.sh build build-windows
tests/windows/window-under-wine.sh build build-windows build-windows/shots
tests/windows/installer-under-wine.sh build-windows
echo "The Windows build passed its tests under Wine."

#!/usr/bin/env bash
# The Windows build and its tests under Wine: lumora.exe, lumora-cli.exe,
# the relink kit, the installer and the zip cross-built against the static
# Windows Qt (made by scripts/qt-windows.sh, once a machine), then, each
# part run whatever the others gave and each bounded in time:
#   the widget tests (tests/windows/CMakeLists.txt) under Wine;
#   the resources read back from the programs (icon, version, manifest,
#   notices); lumora-cli.exe against the virtual radio on COM1;
#   the window by keys with its screenshots (kept in build-windows/shots);
#   the installer (Windows 7 refused, PATH, association, uninstall);
#   signing with a throwaway certificate; the relink kit.
# Every failing part is named at the end; the status is 1 if any failed.
# Needs the Linux build in ./build (the virtual radio, lumora-cli to compare).
# Usage: scripts/test-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
# Wine's own fonts, so that the screenshots show what Windows shows.
if ! dpkg-query -W -f='${Status}' fonts-wine 2>/dev/null | grep -q "install ok installed"; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends fonts-wine
fi
scripts/windows-build.sh

failed=()
part() { # name, minutes it may take, command...
    local name=$1 minutes=$2 status=0
    shift 2
    echo "== $name"
    timeout --kill-after=30 "${minutes}m" "$@" || status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "test-windows: $name did not end within $minutes minutes" >&2
    fi
    [ "$status" -eq 0 ] || failed+=("$name (status $status)")
}
part "widget tests" 20 tests/windows/widget-tests-under-wine.sh build-windows
part "resources" 5 tests/windows/resources-of-programs.sh build-windows
part "lumora-cli on COM1" 10 tests/windows/cli-under-wine.sh build build-windows
part "window and screenshots" 10 tests/windows/window-under-wine.sh build build-windows build-windows/shots
part "installer" 10 tests/windows/installer-under-wine.sh build-windows
part "signing" 5 tests/windows/signing-under-wine.sh build-windows
part "relink kit" 15 tests/windows/relink-under-wine.sh build build-windows
if [ ${#failed[@]} -gt 0 ]; then
    printf 'test-windows: FAILED: %s\n' "${failed[@]}" >&2
    exit 1
fi
echo "The Windows build passed its tests under Wine."

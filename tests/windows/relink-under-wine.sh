#!/usr/bin/env bash
# The relink kit does what it promises: unpacked elsewhere, relink.sh links
# lumora.exe and lumora-cli.exe with the Windows Qt, and the relinked
# lumora-cli.exe passes the same checks against the virtual radio under Wine
# as the released one (tests/windows/cli-under-wine.sh), the relinked
# lumora.exe starts and shows its notices.
# Usage: tests/windows/relink-under-wine.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
linux=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
source "$here/scratch-wine.sh"
qt=$("$here/../../scripts/qt-windows.sh" --check) || fail "no Windows Qt"
kit=$(ls "$build"/LUMORA-*-win64-relink.zip 2>/dev/null | head -n 1)
[ -n "$kit" ] || fail "no relink kit in $build (scripts/relink-kit.sh)"
(cd "$work" && cmake -E tar xf "$kit")
dir=$(ls -d "$work"/LUMORA-*-relink)
[ -f "$dir/README.txt" ] || fail "the kit has no README.txt"
if grep -rqF "$build" "$dir/relink.sh"; then fail "relink.sh names the build folder"; fi
QT=$qt "$dir/relink.sh" >"$work/relink.out" 2>&1 || { cat "$work/relink.out" >&2; fail "relink.sh failed"; }
for program in lumora lumora-cli; do
    [ -s "$dir/src/app/$program.exe" ] || fail "relink.sh made no $program.exe"
done
# The relinked programs where the tests look for a Windows build's.
"$here/cli-under-wine.sh" "$linux" "$dir" || fail "the relinked lumora-cli.exe failed against the virtual radio"
start_wine
wine "$dir/src/app/lumora.exe" --version --verbose </dev/null 2>/dev/null | grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' \
    || fail "the relinked lumora.exe does not start"
echo "relink-under-wine: the kit relinks both programs with the Windows Qt, and they work."

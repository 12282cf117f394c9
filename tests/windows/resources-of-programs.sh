#!/usr/bin/env bash
# What lumora.exe and lumora-cli.exe carry, read back from the files: the
# icon, the version information, the manifest (per-monitor DPI awareness,
# Windows 10 and 11, long paths), and the third-party notices, which must
# be those the linked Qt's own licences make today. Then Wine's view: the
# programs start and answer --version --verbose with the notices.
# Usage: tests/windows/resources-of-programs.sh WINDOWS_BUILD
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "$1" && pwd)
source tests/windows/scratch-wine.sh
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for program in lumora lumora-cli; do
    rc=$work/$program.rc
    x86_64-w64-mingw32-windres -i "$build/src/app/$program.exe" -O rc >"$rc" 2>/dev/null \
        || fail "$program.exe has no resources windres can read"
    grep -q 'RT_GROUP_ICON' "$rc" || fail "$program.exe has no icon"
    [ "$(grep -c 'RT_ICON' "$rc")" -ge 7 ] || fail "$program.exe lacks icon sizes"
    for value in '"ProductName", "LUMORA"' "\"ProductVersion\", \"$version\"" \
        '"CompanyName", "the LUMORA developers"' "\"OriginalFilename\", \"$program.exe\"" \
        '"FileDescription", "LUMORA radio programmer'; do
        grep -qF "VALUE $value" "$rc" || fail "$program.exe: no version value $value"
    done
    grep -q "^ FILEVERSION ${version//./, }, 0" "$rc" || fail "$program.exe: FILEVERSION is not $version"
    grep -q 'RT_MANIFEST' "$rc" || fail "$program.exe has no manifest"
    for setting in '>PerMonitorV2</dpiAwareness>' '>true/pm</dpiAware>' '>true</longPathAware>' \
        '<supportedOS Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""/>' 'level=""asInvoker""'; do
        grep -qF "$setting" "$rc" || fail "$program.exe's manifest lacks $setting"
    done
done

# The notices in the tree are those the linked Qt's licences make.
qt=$(scripts/qt-windows.sh --check) || fail "no Windows Qt"
if [ -d "$qt/licenses/LICENSES" ]; then
    qt_version=$(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")/\1/p' "$qt/lib/cmake/Qt6/Qt6ConfigVersionImpl.cmake")
    packaging/notices/make-notices.py "$qt/licenses" "$qt_version" \
        "$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)" "$version" >"$work/notices.txt"
    diff -u packaging/third-party-notices.txt "$work/notices.txt" | head -n 20 >&2 \
        || true
    cmp -s packaging/third-party-notices.txt "$work/notices.txt" \
        || fail "packaging/third-party-notices.txt is not what the linked Qt's licences make (packaging/notices/make-notices.py)"
else
    echo "resources-of-programs: this Windows Qt kept no licences (made before they were kept): notices not compared"
fi

start_wine
for program in lumora lumora-cli; do
    wine "$build/src/app/$program.exe" --version --verbose </dev/null >"$work/$program.out" 2>/dev/null \
        || fail "$program.exe --version --verbose failed under Wine"
    head -n 1 "$work/$program.out" | tr -d '\r' | grep -qx "$program $version" || fail "$program.exe: no version line"
    grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$work/$program.out" || fail "$program.exe shows no notices"
done
echo "resources-of-programs: icon, version information, manifest and notices are in both programs."

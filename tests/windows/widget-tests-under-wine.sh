#!/usr/bin/env bash
# The widget tests of the Windows build (tests/windows/CMakeLists.txt: those
# that need no virtual radio) under Wine, offscreen, with DejaVu fonts as
# on Linux; says how many passed. Wine passes no QT_* variable, so the
# platform, the fonts and the log file are given as Qt takes them there.
# Usage: tests/windows/widget-tests-under-wine.sh WINDOWS_BUILD
set -euo pipefail
dir=$(cd "$1" && pwd)/tests/windows
work=$(mktemp -d)
cleanup() {
    WINEPREFIX=$work/wine wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/wine WINEDEBUG=-all LUMORA_PROPERTY_IMAGES=1000
export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
wineboot -i >/dev/null 2>&1
passed=0 failed=0 programs=0
for exe in "$dir"/*_tests.exe; do
    name=$(basename "$exe" .exe)
    log=$work/$name.txt
    status=0
    # Qt Test ends a function after 300 s; a program that still hangs is ended.
    timeout --kill-after=10 600 wine "$exe" -platform offscreen -o "Z:${log//\//\\},txt" >/dev/null 2>&1 || status=$?
    totals=$(tr -d '\r' <"$log" 2>/dev/null | grep '^Totals:' || echo "Totals: 0 passed, 1 failed")
    passed=$((passed + $(echo "$totals" | sed 's/^Totals: \([0-9]*\) passed.*/\1/')))
    failed=$((failed + $(echo "$totals" | sed 's/.* \([0-9]*\) failed.*/\1/')))
    programs=$((programs + 1))
    if [ "$status" -ne 0 ]; then
        echo "widget-tests-under-wine: FAIL: $name (status $status)" >&2
        tr -d '\r' <"$log" 2>/dev/null | grep -A4 '^FAIL' >&2 || true
    fi
done
echo "widget-tests-under-wine: $passed test functions passed, $failed failed, in $programs programs under Wine."
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# The widget tests of the Windows build (tests/windows/CMakeLists.txt: those
# that need no virtual radio) under Wine, offscreen on the tests' 1920 x 1080
# screen, with DejaVu fonts as on Linux; says how many passed. Wine passes no
# QT_* variable, so the platform, the fonts and the log file are given as Qt
# takes them there (Qt Test's standard output does not reach us under Wine).
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
# The screen the tests are written for, as on Linux: 1920 x 1080. (Without
# its drive: a colon ends the platform's option. Wine finds it on Z:, the
# drive of the current folder.)
screen=$(cd "$(dirname "$0")/../support" && pwd)/desktop-screen.json
wineboot -i >/dev/null 2>&1
passed=0 failed=0 programs=0 ended_badly=0
for exe in "$dir"/*_tests.exe; do
    name=$(basename "$exe" .exe)
    log=$work/$name.txt
    status=0
    # Qt Test ends a function after 300 s; a program that still hangs is
    # ended. A program of several test objects logs each to a file of its
    # own (LOG, LOG.1, ...), each with its totals.
    timeout --kill-after=10 600 wine "$exe" -platform "offscreen:configfile=$screen" \
        -o "Z:${log//\//\\},txt" >/dev/null 2>&1 </dev/null || status=$?
    totals=$(cat "$log" "$log".* 2>/dev/null | tr -d '\r' | grep '^Totals:' || true)
    [ -n "$totals" ] || totals="Totals: 0 passed, 1 failed"
    passed=$((passed + $(echo "$totals" | sed 's/^Totals: \([0-9]*\) passed.*/\1/' | paste -sd+)))
    failed=$((failed + $(echo "$totals" | sed 's/.* \([0-9]*\) failed.*/\1/' | paste -sd+)))
    programs=$((programs + 1))
    if [ "$status" -ne 0 ]; then
        ended_badly=$((ended_badly + 1))
        echo "widget-tests-under-wine: FAIL: $name (status $status)" >&2
        cat "$log" "$log".* 2>/dev/null | tr -d '\r' | grep -A4 '^FAIL' >&2 || true
    fi
done
echo "widget-tests-under-wine: $passed test functions passed, $failed failed, in $programs programs under Wine."
[ "$failed" -eq 0 ] && [ "$ended_badly" -eq 0 ]

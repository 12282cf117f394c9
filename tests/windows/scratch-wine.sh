# Sourced by the Windows tests that need a scratch folder and a Wine prefix
# of their own: $work (removed at exit, with the prefix's Wine server),
# start_wine to make the prefix and use it, and fail, which names the test.
work=$(mktemp -d)
remove_scratch() {
    WINEPREFIX=$work/wine wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap remove_scratch EXIT
fail() { echo "$(basename "$0" .sh): FAIL: $*" >&2; exit 1; }
start_wine() {
    export WINEPREFIX=$work/wine WINEDEBUG=-all
    wineboot -i >/dev/null 2>&1
}

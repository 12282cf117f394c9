#!/usr/bin/env bash
# Builds LUMORA and runs every test (the short fault soak and the fuzz
# corpora among them), drives the program under a window manager, builds and checks the Debian package, runs every
# fuzz target for a while, proves the serial core portable (built with
# POSIX alone, and cross-built for Windows and run under Wine), then
# builds and runs all the tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the serial tests with ThreadSanitizer.
#
# scripts/test.sh --quick [CTEST ARGS...]: for the edit-build-test loop,
# builds once and runs the ordinary test suite only (no package, fuzzing,
# Wine or sanitizers); further arguments go to ctest (-LE soak leaves the
# soak out, -R Cli runs only the command-line tests).
set -euo pipefail
cd "$(dirname "$0")/.."

quick=false
if [ "${1:-}" = "--quick" ]; then
    quick=true
    shift
fi

scripts/deps.sh
jobs=$(nproc)

# run_suite DIR [cmake options...] [-L label] [-T target]: build in DIR
# (only the target given: "tests/serial/all" is that folder's programs),
# run the tests.
run_suite() {
    local dir=$1; shift
    local options=() labels=() targets=()
    while [ $# -gt 0 ]; do
        case "$1" in
        -L) labels=(-L "$2"); shift 2 ;;
        -T) targets=(--target "$2"); shift 2 ;;
        *) options+=("$1"); shift ;;
        esac
    done
    cmake -S . -B "$dir" -G Ninja "${options[@]}"
    cmake --build "$dir" -j "$jobs" "${targets[@]}"
    (cd "$dir" && ctest --output-on-failure --timeout 300 -j "${CTEST_JOBS:-$jobs}" "${labels[@]}")
}

export QT_QPA_PLATFORM=offscreen
if $quick; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$jobs"
    (cd build && ctest --output-on-failure --timeout 300 -j "$jobs" "$@")
    echo "The ordinary tests passed (quick run: no package, fuzzing, Wine or sanitizers)."
    exit 0
fi
# Most of these tests wait on a virtual radio's timers, using a fraction of
# a core: twice as many at once as there are cores halves the wait.
CTEST_JOBS=$((jobs * 2)) run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The program itself, driven by mouse and keys under a window manager.
tests/gui/drive-windows.sh build
# The channel grid read through the accessibility bus, as a screen reader does.
tests/gui/screen-reader.sh build
# Every window on a netbook's screen at the scales 1 and 2, light and dark:
# on the screen whole, photographed into build/gui-shots for looking at.
tests/gui/screenshots.sh build
# The Debian package: built, checked by lintian, its contents checked.
scripts/package.sh
# Every fuzz target for a bounded time (their corpora are replayed above
# as ordinary tests too).
scripts/fuzz.sh 20
# The serial core with POSIX alone, and its Win32 backend under Wine.
scripts/serial-core.sh
# The whole tool for Windows under Wine, where this machine has made the
# Windows Qt (scripts/qt-windows.sh: about 46 minutes on two cores, once a machine);
# said, not hidden, where it has not.
if scripts/qt-windows.sh --check >/dev/null 2>&1; then
    scripts/test-windows.sh
else
    echo "The Windows build was not tested: this machine has no Windows Qt yet (scripts/qt-windows.sh makes it)."
fi
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON
# The serial threads are plain C++: ThreadSanitizer checks all they share.
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan-qt.supp \
    run_suite build-tsan -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE_THREAD=ON -L serial -T tests/serial/all
echo "All tests passed."

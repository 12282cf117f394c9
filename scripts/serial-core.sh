#!/usr/bin/env bash
# The serial core on its own, without Qt, in the two builds that prove it
# portable (run by scripts/test.sh after the main build):
#  1. natively, with nothing beyond POSIX: _POSIX_C_SOURCE=200809L and
#     Linux's own headers (eventfd, epoll, linux/serial.h) poisoned; the
#     behaviour tests then run against that build;
#  2. cross-built for Windows with MinGW-w64, and the same behaviour tests
#     run under Wine against a pseudo-terminal standing in for COM1.
# Needs the main build in ./build (for the Wine driver).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

echo "== The POSIX backend with POSIX alone"
cmake -S tests/serial/core -B build-posix -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_PORTABLE_POSIX=ON
cmake --build build-posix -j "$jobs"
build-posix/serial_unit_tests --gtest_brief=1
build-posix/serial_behaviour_tests --gtest_brief=1

echo "== The Win32 backend under Wine"
cmake -S tests/serial/core -B build-mingw -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake"
cmake --build build-mingw -j "$jobs"
cmake --build build --target serial_wine_driver
export WINEPREFIX="$PWD/build-mingw/wineprefix"
build/tests/serial/serial_wine_driver build-mingw/serial_unit_tests.exe --gtest_brief=1
build/tests/serial/serial_wine_driver build-mingw/serial_behaviour_tests.exe --gtest_brief=1
build/tests/serial/serial_wine_driver build-mingw/windows_pieces_tests.exe --gtest_brief=1
echo "The serial core passed natively with POSIX alone and under Wine."

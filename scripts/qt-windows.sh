#!/usr/bin/env bash
# Makes a static Qt 6 for 64-bit Windows from Debian's own qt6-base source,
# cross-built with MinGW-w64 (posix threads), and prints its prefix. The
# build (38 minutes on 2 cores here, 46 on 2 busy ones) happens once a
# machine: it lands in a cache outside the work tree, keyed by the Qt source
# version, the MinGW version and the options, and a second run finds it at
# once. The licences of Qt's source are kept beside it, in licenses/.
# Usage: scripts/qt-windows.sh [--check]   (prints the prefix on standard
# output, everything else goes to standard error; --check only says whether
# it is made: status 0 and the prefix, or status 1)
set -euo pipefail
cd "$(dirname "$0")/.."
exec 3>&1 1>&2 # the prefix alone on standard output

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# The host tools (moc, rcc, uic) must be the source's own version.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
mingw_version=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
options=(
    -static -static-runtime -release -xplatform win32-g++
    -device-option CROSS_COMPILE=x86_64-w64-mingw32-
    -qt-host-path /usr -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -direct2d
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-tabletevent
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz
)
key=$(printf '%s\n' "$qt_version" "$mingw_version" "${options[@]}" | sha256sum | cut -c1-12)
cache=${LUMORA_CACHE:-$HOME/.cache/lumora}/qt-windows-${qt_version//[^0-9A-Za-z.]/_}-$key
prefix=$cache/qt
if [ -f "$prefix/.complete" ]; then
    echo "$prefix" >&3
    exit 0
fi
[ "${1:-}" != "--check" ] || exit 1

# Debian's source packages: a deb-src entry beside the binary one.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    echo "Adding Debian's source packages to apt's sources"
    $sudo tee /etc/apt/sources.list.d/lumora-deb-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    $sudo apt-get update -q
fi

rm -rf "$cache"
mkdir -p "$cache/src"
# The toolchain stays at this path: Qt's own toolchain file loads it from here.
cat >"$cache/toolchain.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR x86_64-w64-mingw32-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB x86_64-w64-mingw32-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
chmod 755 "$cache/src" # apt fetches as its own user where it can
(cd "$cache/src" && apt-get source -q "qt6-base=$qt_version")
source_dir=$(find "$cache/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -n "$source_dir" ] || { echo "qt-windows: apt-get source gave no qt6-base folder" >&2; exit 1; }
mkdir -p "$cache/build"
(cd "$cache/build" \
    && "$source_dir/configure" -prefix "$prefix" "${options[@]}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$cache/toolchain.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    && cmake --build . --parallel "$(nproc)" \
    && cmake --install .)
# What the programs carry of Qt's source: its licences and, for each
# library bundled into it, the attribution (name, version, licence) and
# licence texts, for the notices that go with the programs.
mkdir -p "$prefix/licenses"
(cd "$source_dir" && cp -r LICENSES "$prefix/licenses/" \
    && find src \( -name qt_attribution.json -o -iname '*LICENSE*' -o -iname '*LICENCE*' \
        -o -iname 'COPYING*' -o -iname 'COPYRIGHT*' \) -type f -print0 \
    | xargs -0 cp --parents -t "$prefix/licenses" --)
rm -rf "$cache/build" "$cache/src" # 107 MB installed stay; the rest goes
touch "$prefix/.complete"
echo "$prefix" >&3

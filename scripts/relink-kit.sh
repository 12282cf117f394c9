#!/usr/bin/env bash
# Makes the relink kit of the Windows build: LUMORA's own object files and
# libraries, and the commands that link them into lumora.exe and
# lumora-cli.exe with a Qt the user names (static, built for MinGW-w64), so
# that anyone can run LUMORA on a Qt of their own, as the LGPL provides.
# Usage: scripts/relink-kit.sh WINDOWS_BUILD   (writes WINDOWS_BUILD/LUMORA-VERSION-win64-relink.zip)
set -euo pipefail
build=$(cd "$1" && pwd)
qt=$(cd "$(dirname "$0")/.." && scripts/qt-windows.sh --check)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=LUMORA-$version-win64-relink
kit=$(mktemp -d)/$name
trap 'rm -rf "$(dirname "$kit")"' EXIT
mkdir -p "$kit"

# link_script PROGRAM: the last command ninja runs for it (the link), every
# file of the build copied into the kit, Qt's prefix written as $QT.
link_script() {
    local target=$1 command words=() out=() skip=false
    command=$(ninja -C "$build" -t commands "$target" | tail -n 1)
    command=${command#cd "$build" && }
    case "$command" in *\'*|*\"*) echo "relink-kit: a quoted word in the link of $target" >&2; exit 1 ;; esac
    read -r -a words <<<"$command"
    out=('"$CXX"')
    for word in "${words[@]:1}"; do
        case "$word" in
        -Wl,--out-implib,*) continue ;; # an import library nobody needs
        "$qt"/*) out+=("\"\$QT\"${word#"$qt"}") ;;
        /*) out+=("$word") ;; # the toolchain's own files
        -*) out+=("$word") ;;
        *)
            if [ -f "$build/$word" ]; then
                mkdir -p "$kit/$(dirname "$word")"
                cp "$build/$word" "$kit/$word"
            fi
            out+=("$word") ;;
        esac
    done
    mkdir -p "$kit/$(dirname "$target")"
    echo "${out[*]}"
}

{
    cat <<'HEAD'
#!/bin/sh
# Links lumora.exe and lumora-cli.exe from LUMORA's objects with the Qt in
# $QT (a static Qt for MinGW-w64 with Qt Core, Gui, Widgets, Print Support and the windows
# and offscreen platform plugins) by the MinGW-w64 compiler in $CXX.
# Usage: QT=/path/to/qt [CXX=x86_64-w64-mingw32-g++-posix] ./relink.sh
set -eu
cd "$(dirname "$0")"
: "${QT:?QT must name the Qt to link with}"
CXX=${CXX:-x86_64-w64-mingw32-g++-posix}
HEAD
} >"$kit/relink.sh"
for program in lumora lumora-cli; do
    line=$(link_script "src/app/$program.exe")
    printf '%s\necho "Linked src/app/%s.exe"\n' "$line" "$program" >>"$kit/relink.sh"
done
chmod +x "$kit/relink.sh"

cat >"$kit/README.txt" <<EOF2
LUMORA $version for Windows: the relink kit
============================================

LUMORA for Windows is linked statically with Qt, which is licensed under
the GNU Lesser General Public License version 3. This kit lets you link
LUMORA with a Qt of your own choice, modified or not.

It holds LUMORA's object files and static libraries, exactly as the
release was linked from, and relink.sh, the link commands of lumora.exe and
lumora-cli.exe. To relink:

 1. Build Qt $(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")/\1/p' "$qt/lib/cmake/Qt6/Qt6ConfigVersionImpl.cmake") (or a compatible version) for Windows as a static
    library with MinGW-w64, with Qt Core, Qt Gui, Qt Widgets, Qt Print Support and the windows
    and offscreen platform plugins. LUMORA's scripts/qt-windows.sh shows the
    configuration the release used; Qt's source is Debian's qt6-base source
    package.
 2. Run, on Linux with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix) or
    in an MSYS2 shell on Windows:

        QT=/path/to/your/qt ./relink.sh

    CXX names another compiler than x86_64-w64-mingw32-g++-posix.
 3. src/app/lumora.exe and src/app/lumora-cli.exe are the programs, to put
    in place of those installed.

The third-party notices (bin\\third-party-notices.txt in the installation)
list every component of the programs and its licence.
EOF2

(cd "$(dirname "$kit")" && rm -f "$build/$name.zip" && cmake -E tar cf "$build/$name.zip" --format=zip "$name")
echo "$build/$name.zip"

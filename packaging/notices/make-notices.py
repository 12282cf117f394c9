#!/usr/bin/env python3
"""Writes the third-party notices of LUMORA for Windows: every component
linked into lumora.exe and lumora-cli.exe, its version, licence, copyright
and full licence text.

Usage: make-notices.py QT_LICENCES QT_VERSION QT_SOURCE LUMORA_VERSION
                       > third-party-notices.txt
(QT_SOURCE: the version of Debian's qt6-base source package Qt is built from)
QT_LICENCES is a folder holding Qt's LICENSES/ and its src/ tree of
qt_attribution.json files and licence files: the Qt source itself, or the
licences folder scripts/qt-windows.sh keeps beside the Windows Qt. The
MinGW-w64 runtime and GCC's runtime come from Debian's packages of the
cross compiler.
"""
import json
import os
import subprocess
import sys

# Where Qt keeps the attributions of what Qt Core, Qt Gui, Qt Widgets, Qt
# Print Support and their Windows plugins carry; platform code for other systems stays out.
ATTRIBUTIONS = [
    "src/corelib/text", "src/gui/painting", "src/gui/text",
    "src/3rdparty/double-conversion", "src/3rdparty/easing", "src/3rdparty/tinycbor",
    "src/3rdparty/pcre2", "src/3rdparty/zlib", "src/3rdparty/md4c",
    "src/3rdparty/freetype", "src/3rdparty/harfbuzz-ng", "src/3rdparty/libpng",
    "src/3rdparty/libjpeg", "src/3rdparty/blake2", "src/3rdparty/sha1",
    "src/3rdparty/sha3", "src/3rdparty/md4", "src/3rdparty/md5",
    "src/3rdparty/rfc6234", "src/3rdparty/icc",
]
MINGW_COPYRIGHT = "/usr/share/doc/mingw-w64-common/copyright"
GCC_COPYRIGHT = "/usr/share/doc/gcc-mingw-w64-base/copyright"
RULE = "=" * 76


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read().replace("\r\n", "\n").rstrip() + "\n"


def attributions(root):
    for folder in ATTRIBUTIONS:
        path = os.path.join(root, folder, "qt_attribution.json")
        with open(path, encoding="utf-8") as f:
            data = json.loads(f.read(), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            files = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
            texts = [read(os.path.normpath(os.path.join(root, folder, name))) for name in files]
            yield {
                "name": entry["Name"],
                "version": str(entry.get("Version") or "as in Qt %s" % QT_VERSION),
                "licence": entry.get("License", ""),
                "copyright": (read(os.path.join(root, folder, entry["CopyrightFile"]))
                              if entry.get("CopyrightFile") else entry.get("Copyright", "")).strip(),
                "usage": entry.get("QtUsage", "").strip(),
                "texts": texts or ["This component is in the public domain: no licence text applies.\n"],
            }


def package_version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                          capture_output=True, text=True, check=True).stdout


def gcc_exception():
    text = read(GCC_COPYRIGHT)
    start = text.index("GCC RUNTIME LIBRARY EXCEPTION")
    end = text.index("consistent with the licensing of the Independent Modules.", start)
    tail = text.index("the license of GCC.", end) + len("the license of GCC.")
    return text[start:tail] + "\n"


def components(root):
    qt_licences = os.path.join(root, "LICENSES")
    gpl3 = read(os.path.join(qt_licences, "GPL-3.0-only.txt"))
    yield {
        "name": "Qt (Qt Core, Qt Gui, Qt Widgets, Qt Print Support and their Windows plugins)",
        "version": QT_VERSION,
        "licence": "GNU Lesser General Public License v3.0 only (LGPL-3.0-only)",
        "copyright": "Copyright (C) The Qt Company Ltd. and other contributors.",
        "usage": "The windows, the event loop, text, files and printing. Built from Debian's qt6-base source "
                 "package; how to link LUMORA with another Qt is told above.",
        "texts": [read(os.path.join(qt_licences, "LGPL-3.0-only.txt")), gpl3],
    }
    yield from attributions(root)
    yield {
        "name": "GCC runtime libraries (libstdc++, libgcc)",
        "version": package_version("g++-mingw-w64-x86-64-posix"),
        "licence": "GNU General Public License v3.0 with the GCC Runtime Library Exception 3.1",
        "copyright": "Copyright (C) Free Software Foundation, Inc.",
        "usage": "The C++ standard library and the compiler's support code.",
        "texts": [gcc_exception(), gpl3],
    }
    yield {
        "name": "MinGW-w64 runtime and winpthreads",
        "version": package_version("mingw-w64-common"),
        "licence": "Zope Public License 2.1, MIT, BSD and public domain parts (listed below)",
        "copyright": "Copyright (C) 2009-2016 the mingw-w64 project, and the authors listed below.",
        "usage": "The C runtime's start-up code and POSIX threads on Windows.",
        "texts": [read(MINGW_COPYRIGHT)],
    }


HEADER = """LUMORA {version}: third-party notices
{rule}

LUMORA itself is Copyright 2026 the LUMORA developers; all rights reserved.

LUMORA for Windows (lumora.exe and lumora-cli.exe) is linked statically with
the components below. Each is listed with its version, licence and
copyright, and its full licence text follows at the end of its section.
(On Linux, LUMORA uses the Qt and C++ libraries of the system instead;
their notices are those the system's packages install.)

Qt is licensed under the GNU Lesser General Public License version 3. You
may link LUMORA with a Qt of your own, modified or not: the relink kit
LUMORA-{version}-win64-relink.zip, published beside every Windows release,
holds LUMORA's object files and the command that links them with a Qt you
name. Qt's source is Debian's qt6-base {source} source package
(https://sources.debian.org/src/qt6-base/), also offered on request with
every copy of LUMORA for Windows.

Contents
"""


def main():
    global QT_VERSION
    root, QT_VERSION, source, version = sys.argv[1:5]
    parts = list(components(root))
    out = [HEADER.format(version=version, source=source, rule=RULE)]
    for number, part in enumerate(parts, 1):
        out.append("%3d. %s %s\n" % (number, part["name"], part["version"]))
    for number, part in enumerate(parts, 1):
        out.append("\n\n%s\n%d. %s\n%s\n" % (RULE, number, part["name"], RULE))
        out.append("Version: %s\nLicence: %s\n" % (part["version"], part["licence"]))
        if part["usage"]:
            out.append("%s\n" % part["usage"])
        out.append("\n%s\n" % part["copyright"])
        for text in part["texts"]:
            out.append("\n" + "-" * 76 + "\n\n" + text)
    sys.stdout.write("".join(out))


if __name__ == "__main__":
    main()

#!/usr/bin/env bash
# Builds LUMORA's Debian package in build/, checks it with lintian (no
# errors), unpacks it into a scratch folder and checks that everything is
# there and that lumora-cli runs from there.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/lumora_*.deb)
echo "Package: $deb"
dpkg-deb -f "$deb" Depends

# lintian warns when run as root; its verdict is the same.
lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || { echo "lintian found errors" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
expected=(
    usr/bin/lumora usr/bin/lumora-cli usr/bin/lumora-radio
    usr/share/applications/io.lumora.Lumora.desktop
    usr/share/metainfo/io.lumora.Lumora.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/lumora.svg
    usr/share/icons/hicolor/48x48/apps/lumora.png
    usr/share/icons/hicolor/256x256/apps/lumora.png
    usr/share/man/man1/lumora-cli.1.gz usr/share/man/man1/lumora-radio.1.gz
    usr/share/doc/lumora/copyright
)
for f in "${expected[@]}"; do
    [ -e "$scratch/$f" ] || { echo "missing from the package: $f" >&2; exit 1; }
done
grep -qx 'Categories=Utility;HamRadio;' "$scratch/usr/share/applications/io.lumora.Lumora.desktop" \
    || { echo "the desktop entry is not in HamRadio" >&2; exit 1; }
zcat "$scratch/usr/share/man/man1/lumora-cli.1.gz" | grep -q '^\.SH EXIT STATUS' \
    || { echo "the lumora-cli manual page has no exit status" >&2; exit 1; }
QT_QPA_PLATFORM=offscreen "$scratch/usr/bin/lumora-cli" --help | grep -q '^Usage:' \
    || { echo "lumora-cli --help does not run from the package" >&2; exit 1; }
"$scratch/usr/bin/lumora-radio" --help | grep -q 'virtual radio' \
    || { echo "lumora-radio --help does not run from the package" >&2; exit 1; }
echo "The package is complete."

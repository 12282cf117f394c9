#!/usr/bin/env bash
# Builds LUMORA's Debian package in build/, checks it with lintian (no
# errors), unpacks it into a scratch folder and checks that everything is
# there and that lumora-cli runs from there.
set -euo pipefail
# (grep reads every line of a pipe it checks: grep -q would stop early and
# the program writing to it would die of SIGPIPE, failing the pipe.)
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
# Built hardened and stripped clean: no such tag even among the pedantic ones.
if lintian --pedantic -I "$deb" 2>&1 | grep -E 'hardening-|binary-has-unneeded-section'; then
    echo "lintian finds the programs not hardened or not stripped clean" >&2
    exit 1
fi

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
    usr/share/doc/lumora/copyright usr/share/doc/lumora/third-party-notices.txt.gz
    usr/share/mime/packages/io.lumora.Lumora.xml
    usr/lib/udev/rules.d/60-lumora-cables.rules
    usr/share/bash-completion/completions/lumora-cli usr/share/bash-completion/completions/lumora
    usr/share/zsh/vendor-completions/_lumora usr/share/fish/vendor_completions.d/lumora-cli.fish
)
for f in "${expected[@]}"; do
    [ -e "$scratch/$f" ] || { echo "missing from the package: $f" >&2; exit 1; }
done
bash -n "$scratch/usr/share/bash-completion/completions/lumora-cli" \
    || { echo "the bash completion does not parse" >&2; exit 1; }
grep -qx 'Categories=Utility;HamRadio;' "$scratch/usr/share/applications/io.lumora.Lumora.desktop" \
    || { echo "the desktop entry is not in HamRadio" >&2; exit 1; }
grep -qx 'MimeType=application/x-lumora-channels;' "$scratch/usr/share/applications/io.lumora.Lumora.desktop" \
    || { echo "the desktop entry opens no .wh files" >&2; exit 1; }
grep -q 'Comment: What the programs link' "$scratch/usr/share/doc/lumora/copyright" \
    && grep -q 'libqt6widgets6' "$scratch/usr/share/doc/lumora/copyright" \
    || { echo "the copyright file does not name what the programs link" >&2; exit 1; }
"$scratch/usr/bin/lumora" --version | grep -x 'lumora [0-9.]*' >/dev/null \
    || { echo "lumora --version does not answer without a display" >&2; exit 1; }
zcat "$scratch/usr/share/man/man1/lumora-cli.1.gz" | grep '^\.SH EXIT STATUS' >/dev/null \
    || { echo "the lumora-cli manual page has no exit status" >&2; exit 1; }
QT_QPA_PLATFORM=offscreen "$scratch/usr/bin/lumora-cli" --help | grep '^Usage:' >/dev/null \
    || { echo "lumora-cli --help does not run from the package" >&2; exit 1; }
"$scratch/usr/bin/lumora-radio" --help | grep 'virtual radio' >/dev/null \
    || { echo "lumora-radio --help does not run from the package" >&2; exit 1; }
echo "The package is complete."

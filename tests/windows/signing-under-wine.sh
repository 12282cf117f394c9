#!/usr/bin/env bash
# Signing: scripts/sign-windows.sh signs copies of both programs and the
# installer with a throwaway certificate made here (never kept), the
# signatures verify against it, and the signed programs still start under
# Wine; without a certificate it says it did not sign and changes nothing.
# Usage: tests/windows/signing-under-wine.sh WINDOWS_BUILD
set -euo pipefail
sign=$(cd "$(dirname "$0")/../.." && pwd)/scripts/sign-windows.sh
build=$(cd "$1" && pwd)
source "$(dirname "$0")/scratch-wine.sh"
cd "$work"
files=(lumora.exe lumora-cli.exe installer.exe)
cp "$build/src/app/lumora.exe" "$build/src/app/lumora-cli.exe" .
cp "$build"/LUMORA-*-win64.exe installer.exe

sha256sum "${files[@]}" >before
said=$(env -u LUMORA_SIGN_CERT -u LUMORA_SIGN_KEY "$sign" "${files[@]}")
[[ "$said" == "Not signed: "* ]] || fail "without a certificate it did not say so: $said"
sha256sum -c --quiet before || fail "without a certificate the files changed"

openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 1 \
    -subj "/CN=LUMORA throwaway test signer" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
LUMORA_SIGN_CERT=cert.pem LUMORA_SIGN_KEY=key.pem "$sign" "${files[@]}" >/dev/null
for f in "${files[@]}"; do
    osslsigncode verify -CAfile cert.pem -in "$f" >verify.txt 2>&1 || { cat verify.txt >&2; fail "$f: the signature does not verify"; }
    grep -q 'Signature verification: ok' verify.txt || fail "$f: not verified"
    grep -q 'LUMORA throwaway test signer' verify.txt || fail "$f: signed by someone else"
done
# One byte changed: the signature no longer verifies.
cp lumora-cli.exe tampered.exe
printf 'X' | dd of=tampered.exe bs=1 seek=4096 conv=notrunc 2>/dev/null
! osslsigncode verify -CAfile cert.pem -in tampered.exe >/dev/null 2>&1 || fail "a changed program still verifies"

start_wine
wine ./lumora-cli.exe --version </dev/null 2>/dev/null | tr -d '\r' | grep -q '^lumora-cli ' \
    || fail "the signed lumora-cli.exe does not start"
echo "signing-under-wine: both programs and the installer signed and verified; unsigned when no certificate is given."

#!/usr/bin/env bash
# Signs Windows programs and installers (Authenticode, SHA-256) with
# osslsigncode, in place, when given a code-signing certificate and its key;
# says plainly that it did not sign otherwise. The certificate and key stay
# outside the tree: options or environment variables name them.
# Usage: scripts/sign-windows.sh [--cert PEM] [--key PEM] [--password-file FILE]
#                                [--timestamp URL] FILE...
#   --cert, LUMORA_SIGN_CERT             the certificate (and its chain), PEM
#   --key, LUMORA_SIGN_KEY               its private key, PEM
#   --password-file, LUMORA_SIGN_PASSWORD_FILE  the key's password, if any
#   --timestamp, LUMORA_SIGN_TIMESTAMP   a time-stamping server (RFC 3161), so
#                                        that signatures outlive the certificate
set -euo pipefail
cert=${LUMORA_SIGN_CERT:-} key=${LUMORA_SIGN_KEY:-}
password=${LUMORA_SIGN_PASSWORD_FILE:-} timestamp=${LUMORA_SIGN_TIMESTAMP:-}
files=()
while [ $# -gt 0 ]; do
    case "$1" in
    --cert) cert=$2; shift 2 ;;
    --key) key=$2; shift 2 ;;
    --password-file) password=$2; shift 2 ;;
    --timestamp) timestamp=$2; shift 2 ;;
    *) files+=("$1"); shift ;;
    esac
done
if [ -z "$cert" ] || [ -z "$key" ]; then
    echo "Not signed: no certificate and key were given (--cert and --key, or LUMORA_SIGN_CERT and LUMORA_SIGN_KEY): ${files[*]##*/}"
    exit 0
fi
if ! command -v osslsigncode >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends osslsigncode
fi
options=(-certs "$cert" -key "$key" -h sha256 -n "LUMORA" -i "https://lumora.example.org/")
[ -z "$password" ] || options+=(-readpass "$password")
[ -z "$timestamp" ] || options+=(-ts "$timestamp")
for file in "${files[@]}"; do
    osslsigncode sign "${options[@]}" -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
    echo "Signed: $file"
done

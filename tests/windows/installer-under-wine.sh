#!/usr/bin/env bash
# The Windows installer, silently under Wine: it puts both programs, the
# Start-menu entry, the .wh association and its uninstaller in place, the
# installed programs start, and the uninstaller takes it all away again.
# Usage: tests/windows/installer-under-wine.sh WINDOWS_BUILD  (after cpack there)
set -euo pipefail
installer=$(cd "$1" && pwd)/LUMORA-1.0-win64.exe
[ -f "$installer" ] || { echo "installer-under-wine: $installer is missing (cpack in $1)" >&2; exit 2; }
work=$(mktemp -d)
cleanup() {
    WINEPREFIX=$work/wine wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/wine WINEDEBUG=-all
wineboot -i >/dev/null 2>&1
wineserver -p >/dev/null 2>&1 || true # (wineboot may have left one running)
fail() { echo "installer-under-wine: FAIL: $*" >&2; exit 1; }
folder="$WINEPREFIX/drive_c/Program Files/LUMORA"
association() { wine reg query 'HKCR\LUMORA.ChannelFile\shell\open\command' 2>/dev/null | tr -d '\r' | grep REG_SZ || true; }
menu_entry() { find "$WINEPREFIX/drive_c" -iname 'LUMORA.lnk' | grep -q .; }

wine "$installer" /S
for f in bin/lumora.exe bin/lumora-cli.exe Uninstall.exe; do
    [ -f "$folder/$f" ] || fail "$f was not installed"
done
association | grep -qF '"C:\Program Files\LUMORA\bin\lumora.exe" "%1"' || fail ".wh files do not open in LUMORA"
menu_entry || fail "no Start-menu entry"
[ "$(wine "C:\\Program Files\\LUMORA\\bin\\lumora-cli.exe" --version | tr -d '\r')" = "lumora-cli 1.0" ] \
    || fail "the installed lumora-cli.exe does not start"
wine "C:\\Program Files\\LUMORA\\bin\\lumora.exe" --version | tr -d '\r' | grep -qx 'lumora 1.0' \
    || fail "the installed lumora.exe does not start"

wine "C:\\Program Files\\LUMORA\\Uninstall.exe" /S "_?=C:\\Program Files\\LUMORA"
for _ in $(seq 50); do [ -e "$folder/bin" ] || break; sleep 0.2; done
[ ! -e "$folder/bin" ] || fail "the uninstaller left the programs"
[ -z "$(association)" ] || fail "the uninstaller left the .wh association"
! menu_entry || fail "the uninstaller left the Start-menu entry"
echo "installer-under-wine: installed, started and uninstalled cleanly."

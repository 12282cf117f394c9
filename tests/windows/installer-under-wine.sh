#!/usr/bin/env bash
# The Windows installer, silently under Wine: on Windows 7 it refuses and
# installs nothing; on Windows 10 it puts both programs, the third-party
# notices beside them, the HTML manual, the Start-menu entries, the .wh
# association with LUMORA's icon, lumora-cli on the user's PATH (/PATH=user)
# and its uninstaller in place, the installed programs start, and the
# uninstaller takes it all away again, PATH included.
# Usage: tests/windows/installer-under-wine.sh WINDOWS_BUILD  (after cpack there)
set -euo pipefail
installer=$(cd "$1" && pwd)/LUMORA-1.0-win64.exe
[ -f "$installer" ] || { echo "installer-under-wine: $installer is missing (cpack in $1)" >&2; exit 2; }
source "$(dirname "$0")/scratch-wine.sh"
start_wine
wineserver -p >/dev/null 2>&1 || true # (wineboot may have left one running)
folder="$WINEPREFIX/drive_c/Program Files/LUMORA"
association() { wine reg query 'HKCR\LUMORA.ChannelFile\shell\open\command' 2>/dev/null | tr -d '\r' | grep REG_SZ || true; }
menu_entry() { find "$WINEPREFIX/drive_c" -iname 'LUMORA.lnk' | grep -q .; }

user_path() { wine reg query 'HKCU\Environment' /v PATH 2>/dev/null | tr -d '\r' | grep REG_ || true; }

# Qt 6 needs Windows 10: Windows 7 is refused with status 2, nothing installed.
wine winecfg -v win7 >/dev/null 2>&1
status=0
wine "$installer" /S /PATH=user || status=$?
[ "$status" -eq 2 ] || fail "on Windows 7 the installer ended with status $status, not 2"
[ ! -e "$folder/bin" ] || fail "on Windows 7 the installer installed the programs"
wine winecfg -v win10 >/dev/null 2>&1

wine "$installer" /S /PATH=user
for f in bin/lumora.exe bin/lumora-cli.exe bin/third-party-notices.txt doc/lumora.html doc/lumora-cli.html \
    copyright.txt Uninstall.exe; do
    [ -f "$folder/$f" ] || fail "$f was not installed"
done
association | grep -qF '"C:\Program Files\LUMORA\bin\lumora.exe" "%1"' || fail ".wh files do not open in LUMORA"
menu_entry || fail "no Start-menu entry"
find "$WINEPREFIX/drive_c" -iname 'LUMORA manual.lnk' | grep -q . || fail "no Start-menu entry for the manual"
wine reg query 'HKCR\LUMORA.ChannelFile\DefaultIcon' 2>/dev/null | tr -d '\r' \
    | grep -qF 'C:\Program Files\LUMORA\bin\lumora.exe,0' || fail ".wh files do not show LUMORA's icon"
user_path | grep -qF 'C:\Program Files\LUMORA\bin' || fail "/PATH=user did not put lumora-cli on PATH"
grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$folder/bin/third-party-notices.txt" || fail "the notices lack Qt's LGPL"
grep -q 'href="lumora-cli.html"' "$folder/doc/lumora.html" || fail "the manual's pages are not linked"
[ "$(wine "C:\\Program Files\\LUMORA\\bin\\lumora-cli.exe" --version | tr -d '\r')" = "lumora-cli 1.0" ] \
    || fail "the installed lumora-cli.exe does not start"
wine "C:\\Program Files\\LUMORA\\bin\\lumora.exe" --version | tr -d '\r' | grep -qx 'lumora 1.0' \
    || fail "the installed lumora.exe does not start"

wine "C:\\Program Files\\LUMORA\\Uninstall.exe" /S "_?=C:\\Program Files\\LUMORA"
for _ in $(seq 50); do [ -e "$folder/bin" ] || break; sleep 0.2; done
[ ! -e "$folder/bin" ] || fail "the uninstaller left the programs"
[ -z "$(association)" ] || fail "the uninstaller left the .wh association"
! menu_entry || fail "the uninstaller left the Start-menu entry"
! user_path | grep -qF 'LUMORA' || fail "the uninstaller left LUMORA on PATH"
echo "installer-under-wine: installed, started and uninstalled cleanly."

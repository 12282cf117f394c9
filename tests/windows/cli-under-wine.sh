#!/usr/bin/env bash
# lumora-cli.exe under Wine against the Linux virtual radio, its
# pseudo-terminal mapped to COM1: a main read and write, a DTMF read and a
# backup, each compared with what lumora-cli on Linux sends and keeps. The
# radio's trace of every transfer must be the same byte for byte.
# Usage: tests/windows/cli-under-wine.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
exe=$windows/src/app/lumora-cli.exe
[ -f "$exe" ] || { echo "cli-under-wine: $exe is missing" >&2; exit 2; }

work=$(mktemp -d)
radio=""
cleanup() {
    [ -n "$radio" ] && kill "$radio" 2>/dev/null || true
    WINEPREFIX=$work/wine wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/wine WINEDEBUG=-all
wineboot -i >/dev/null 2>&1

# One radio for both: each side reads and writes it the same way in turn.
"$linux/tools/radio/lumora-radio" --memory "$work/radio.json" --trace "$work/trace.txt" >"$work/radio.out" 2>&1 &
radio=$!
for _ in $(seq 50); do [ -s "$work/radio.out" ] && break; sleep 0.1; done
pty=$(head -n 1 "$work/radio.out")
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$pty" /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true # the devices read the mapping when Wine starts
wineserver -p >/dev/null 2>&1 # one server for every run, its reports kept out of ours
win() { wine "$exe" "$@" </dev/null; }
z() { echo "Z:${1//\//\\}"; }

# The bytes each way in their order, without times: what the port hands
# over at once differs between the systems, the bytes do not.
messages() {
    awk '{ d = $2; $1 = ""; $2 = ""; if (d != last && NR > 1) printf "\n"; if (d != last) printf "%s", d; printf "%s", $0; last = d }
         END { printf "\n" }' "$work/trace.txt" | tr -s ' '
}
passed=0
same() { # what, the two runs' files
    cmp -s "$2" "$3" || {
        echo "cli-under-wine: FAIL: $1 differs between Linux and Windows" >&2
        diff "$2" "$3" | head -n 20 >&2
        exit 1
    }
    passed=$((passed + 1))
}
run_both() { # name, then the command line: @OUT@ its output, @P:PATH a file it reads
    local name=$1; shift
    local l=() w=()
    for a in "$@"; do
        case "$a" in
        @OUT@) l+=("$work/$name.linux"); w+=("$(z "$work/$name.windows")") ;;
        @P:*) l+=("${a#@P:}"); w+=("$(z "${a#@P:}")") ;;
        *) l+=("$a"); w+=("$a") ;;
        esac
    done
    : >"$work/trace.txt"
    "$linux/src/app/lumora-cli" "${l[@]}" -p "$pty" >/dev/null
    messages >"$work/$name.trace.linux"
    : >"$work/trace.txt"
    win "${w[@]}" -p COM1 >/dev/null || { echo "cli-under-wine: FAIL: $name under Wine" >&2; exit 1; }
    messages >"$work/$name.trace.windows"
    [ "$(wc -l <"$work/$name.trace.linux")" -gt 2 ] || { echo "cli-under-wine: FAIL: $name sent nothing" >&2; exit 1; }
    same "the wire of $name" "$work/$name.trace.linux" "$work/$name.trace.windows"
}
run_both read read -o @OUT@
same "the channel file read" "$work/read.linux" "$work/read.windows"
cp "$work/read.linux" "$work/write.wh"
run_both write write "@P:$work/write.wh"
run_both dtmf read dtmf -o @OUT@
same "the DTMF file read" "$work/dtmf.linux" "$work/dtmf.windows"
run_both backup backup -o @OUT@
same "the backup" "$work/backup.linux" "$work/backup.windows"
# The channel card of that backup, with the letters of the system's fonts
# folder (a Windows one holds Arial; Wine's prefix gets Wine's Tahoma).
cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
cp "$work/backup.windows" "$work/radio-backup.json"
win print "$(z "$work/radio-backup.json")" -o "$(z "$work/card.pdf")" >/dev/null \
    || { echo "cli-under-wine: FAIL: print under Wine" >&2; exit 1; }
"$linux/src/app/lumora-cli" print "$work/radio-backup.json" -o "$work/card-linux.pdf"
for pdf in card card-linux; do # the channels' rows: the fonts lay out the headings apart
    pdftotext -layout "$work/$pdf.pdf" - | grep -E '^ *[0-9]+ +[0-9]+\.[0-9]{5} ' | tr -s ' ' | sed 's/^ //' >"$work/$pdf.txt"
done
[ -s "$work/card.txt" ] || { echo "cli-under-wine: FAIL: the card printed under Wine has no channel rows" >&2; exit 1; }
same "the channel card's rows" "$work/card-linux.txt" "$work/card.txt"
echo "cli-under-wine: $passed checks passed: lumora-cli.exe sends and keeps what lumora-cli does."

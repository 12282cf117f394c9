#!/usr/bin/env bash
# Drives the real program as a user does: on its own X server with a window
# manager, by mouse and keys through xdotool, against the virtual radio.
# Then reads the radio with lumora-cli and checks what it holds:
#  - an RX frequency left by a click on an option box gets the new
#    channel's defaults, like one left by Enter;
#  - Escape takes back an open edit, in the main grid and in a signalling
#    grid, and the window stays open;
#  - the key that opens a signalling grid's editor is its first character;
#  - a closed signalling window gives the port back to other programs;
#  - a signalling window reopens where it was;
#  - Write in a signalling window never read asks first;
#  - closing the program over a DTMF edit asks, and Write writes it first
#    (then "Save changes?" asks about the channel table, which no file holds);
#  - "lumora --port DEV FILE.wh" opens the file, and F12 writes it.
# Needs Xvfb, openbox, xdotool, xwininfo and (for --shots) ImageMagick's import; with --shots DIR
# it leaves screenshots there. Usage: tests/gui/drive-windows.sh [BUILD] [--shots DIR]
set -euo pipefail

build=build
shots=""
while [ $# -gt 0 ]; do
    case "$1" in
    --shots) shots=$2; shift 2 ;;
    *) build=$1; shift ;;
    esac
done
build=$(cd "$build" && pwd)
SCRIPT=drive-windows
source "$(dirname "$0")/x-session.sh"
x_session_needs Xvfb openbox xdotool xwininfo

fail() {
    echo "drive-windows: FAIL: $*" >&2
    shot failure
    exit 1
}
shot() {
    [ -n "$shots" ] || return 0
    mkdir -p "$shots"
    import -window root "$shots/$1.png" 2>/dev/null || true
}

# A display of our own.
x_session_start 70 99 1280x1024
mkdir -p "$work/ports"
port="$work/ports/radio"
x_session_radio "$build" "$port"

# Settings of its own: no size or port remembered from another run.
export LUMORA_PORTS_DIR="$work/ports" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
"$build/src/app/lumora" --port "$port" >"$work/lumora.out" 2>&1 &
lumora=$!
pids+=($lumora)

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
typed() { xdotool type --delay 40 "$1"; sleep 0.2; }
key() { xdotool key "$@"; sleep 0.3; }
answer_box() { # waits for a message box over the main window, then presses Enter (or KEY)
    for _ in $(seq 150); do
        [ "$(xdotool search --onlyvisible --name "LUMORA  V1.0$" 2>/dev/null | wc -l)" -ge 2 ] && break
        sleep 0.1
    done
    sleep 0.3
    shot "$1"
    key "${2:-Return}"
    for _ in $(seq 50); do # gone before anything waits for the next box
        [ "$(xdotool search --onlyvisible --name "LUMORA  V1.0$" 2>/dev/null | wc -l)" -lt 2 ] && break
        sleep 0.1
    done
}
cli() { QT_QPA_PLATFORM=offscreen timeout 60 "$build/src/app/lumora-cli" "$@" 2>>"$work/cli.err"; }

main=$(window "LUMORA  V1.0$")
xdotool windowactivate --sync "$main"
# The grid's cells, in window coordinates: the menu bar (18), the toolbar
# (30), the caption row (24), row 1 (22), then 24 a row; column 0 as wide
# as its caption, then 80 a column.
first_col=$(( $(xwininfo -id "$main" | awk '/Width:/ {print $2}') - 851 + 70 ))
cell() { echo "$((1 + first_col + ($1 - 1) * 80 + 40)) $((18 + 30 + 1 + ($2 == 1 ? 24 + 11 : 46 + ($2 - 2) * 24 + 12)))"; }
tot_box="$((first_col - 70 + 736 + 50)) $((18 + 54 + 34 + 11))"

# RX of channel 3 left by a click on the TOT box.
click "$main" $(cell 1 3)
typed "146.52"
click "$main" $tot_box
# Channel 4: "147", Escape, "147.5", Enter.
click "$main" $(cell 1 4)
typed "147"
key Escape
typed "148.5"
key Return
shot main-edited
key F12
answer_box main-written

# DTMF by the keyboard: Alt+S, D.
key alt+s
key d
dtmf=$(window "^DTMF$")
dtmf_at=$(xwininfo -id "$dtmf" | awk '/Absolute upper-left/ {printf "%s ", $4}')
click "$dtmf" 140 106 # memory 1
typed "5551"
key Return
click "$dtmf" 140 127 # memory 2: typed, then taken back
typed "777"
key Escape
xdotool search --onlyvisible --name "^DTMF$" >/dev/null || fail "Escape over an edit closed the DTMF window"
key alt+w # Write: the window was never read, so it asks first
answer_box dtmf-unread alt+w
answer_box dtmf-written
shot dtmf-status
key alt+c # Close

# The port is free again: lumora-cli reads the radio while the program runs.
cli read --port "$port" --output "$work/main.wh" >/dev/null || fail "the port was not given back: $(cat "$work/cli.err")"
cli read dtmf --port "$port" --output "$work/dtmf.json" >/dev/null || fail "DTMF read: $(cat "$work/cli.err")"
channels=$(iconv -f GBK -t UTF-8 "$work/main.wh" | tr -d "\r")
grep -qx '3,146.52000,146.52000,NONE,NONE,HIGH,WIDE,YES,25000,NONE,NONE,NONE,NONE,DTMF,1,NONE' <<<"$channels" \
    || fail "channel 3 without its defaults: $(grep '^3,' <<<"$channels")"
grep -q '^4,148.50000,' <<<"$channels" || fail "channel 4 kept the cancelled edit: $(grep '^4,' <<<"$channels")"
python3 - "$work/dtmf.json" <<'EOF' || fail "DTMF memories"
import json, sys
memories = json.load(open(sys.argv[1]))["Autodial Memory"]
assert memories[0] == ["5551"] and memories[1] == [""], memories[:2]
EOF

# The DTMF window reopens where it stood.
xdotool windowactivate --sync "$main"
key alt+s
key d
dtmf=$(window "^DTMF$")
[ "$(xwininfo -id "$dtmf" | awk '/Absolute upper-left/ {printf "%s ", $4}')" = "$dtmf_at" ] \
    || fail "the DTMF window moved from $dtmf_at"

# An edit of the ID code, then the program closed: Write, and it closes once written.
click "$dtmf" 160 23 # "DTMF Decode"
click "$dtmf" 215 84 # ID Code
key ctrl+a
typed "4321"
xdotool windowactivate --sync "$main"
key alt+F4
sleep 0.5
shot close-asks
key alt+w
answer_box close-written
sleep 0.5
shot close-asks-about-the-table
key alt+d # "Save changes?" about the channel table: Discard
for _ in $(seq 100); do kill -0 "$lumora" 2>/dev/null || break; sleep 0.1; done
kill -0 "$lumora" 2>/dev/null && fail "the program did not close after the write"
cli read dtmf --port "$port" --output "$work/dtmf2.json" >/dev/null || fail "DTMF read: $(cat "$work/cli.err")"
python3 - "$work/dtmf2.json" <<'EOF' || fail "the ID code was not written on closing"
import json, sys
assert json.load(open(sys.argv[1]))["ID Code"] == "4321"
EOF
# A channel file named on the command line opens; F12 writes it.
sed 's/^4,148\.50000,148\.50000,/4,149.00000,149.00000,/' "$work/main.wh" >"$work/other.wh"
"$build/src/app/lumora" --port "$port" "$work/other.wh" >"$work/lumora.out" 2>&1 &
lumora=$!
pids+=($lumora)
main=$(window "LUMORA  V1.0$")
xdotool windowactivate --sync "$main"
key F12
answer_box file-written
key alt+F4 # nothing unsaved: it closes at once
for _ in $(seq 100); do kill -0 "$lumora" 2>/dev/null || break; sleep 0.1; done
kill -0 "$lumora" 2>/dev/null && fail "the program with an opened file did not close"
cli read --port "$port" --output "$work/main2.wh" >/dev/null || fail "read: $(cat "$work/cli.err")"
iconv -f GBK -t UTF-8 "$work/main2.wh" | tr -d '\r' | grep -q '^4,149\.00000,' || fail "the file named on the command line was not opened"
echo "drive-windows: all checks passed"

#!/usr/bin/env bash
# lumora.exe under Wine on its own X server with a window manager: the
# virtual radio's pseudo-terminal as COM1, Read(F11) by key, the DTMF
# window from the "Signa" menu, then About and its licences from the Help
# menu; a screenshot of each into SHOTS, in Wine's own fonts as on Windows.
# Usage: tests/windows/window-under-wine.sh LINUX_BUILD WINDOWS_BUILD SHOTS
set -euo pipefail
linux=$(cd "$1" && pwd)
exe=$(cd "$2" && pwd)/src/app/lumora.exe
mkdir -p "$3"
shots=$(cd "$3" && pwd)
for tool in Xvfb openbox xdotool import wine; do
    command -v "$tool" >/dev/null || { echo "window-under-wine: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    WINEPREFIX=$work/wine wineserver -k >/dev/null 2>&1 || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for n in $(seq 70 99); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display WINEPREFIX=$work/wine WINEDEBUG=-all
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
wineboot -i >/dev/null 2>&1

"$linux/tools/radio/lumora-radio" --memory "$work/radio.json" --trace "$work/trace.txt" >"$work/radio.out" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/radio.out" ] && break; sleep 0.1; done
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$(head -n 1 "$work/radio.out")" /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true # the devices read the mapping when Wine starts
wineserver -p >/dev/null 2>&1

wine "$exe" >"$work/lumora.out" 2>&1 &
pids+=($!)
fail() { # what was on the screen when a step did not come, then the failure
    import -window root "$shots/wine-failed.png" 2>/dev/null || true
    echo "window-under-wine: FAIL: $1; windows then:" >&2
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        echo "  $(xdotool getwindowname "$id" 2>/dev/null)" >&2
    done
    echo "window-under-wine: screen in $shots/wine-failed.png" >&2
    exit 1
}
windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; } # ids by exact title
wait_for() { # waits up to $2 seconds until command $1 succeeds
    local tries=$(($2 * 5))
    for _ in $(seq "$tries"); do eval "$1" && return 0; sleep 0.2; done
    return 1
}
title='LUMORA  V1.0' # the boxes' title; the main window's is "FILE - LUMORA  V1.0"
main_windows() { xdotool search --onlyvisible --name " - $title\$" 2>/dev/null || true; }
wait_for '[ -n "$(main_windows)" ]' 60 || fail "no window \"Untitled - $title\""
main=$(main_windows | head -n 1)

# Read by key; the success box carries the tool's title. A loaded machine may take long to start Wine,
# and a window Wine has just mapped may not have the focus yet: the key is
# pressed again only while the radio has heard nothing (no read under way,
# so a second F11 cannot meet a read and be refused).
box=""
found_box() { box=$(windows "$title" | grep -vx "$main" | head -n 1); [ -n "$box" ]; }
radio_heard() { [ -s "$work/trace.txt" ]; }
for attempt in 1 2 3 4 5; do
    xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
    wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]' 5 || true
    xdotool key F11
    wait_for 'radio_heard || found_box' 10 && break
done
radio_heard || fail "F11 reached no read: the radio heard nothing"
wait_for found_box 60 || fail "the read from COM1 showed no box"
sleep 0.5 # drawn
import -window root "$shots/wine-main-read.png"
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
xdotool key Return
wait_for '! found_box' 20 || fail "the read's box did not close on Enter"

# from_menu MENU_KEY ITEM_KEY CONDITION WHAT: a menu entry of the main
# window by its mnemonics until CONDITION holds; a menu that did not open
# under a busy window manager is tried again.
from_menu() {
    for attempt in 1 2 3; do
        xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
        xdotool key "alt+$1"
        sleep 1
        xdotool key "$2"
        wait_for "$3" 15 && return 0
        xdotool key Escape
    done
    fail "$4"
}

# The DTMF window from the "Signa" menu.
from_menu s d '[ -n "$(windows DTMF)" ]' 'no window "DTMF" from the Signa menu'
sleep 1 # drawn
import -window root "$shots/wine-dtmf.png"
xdotool search --onlyvisible --name '^DTMF$' windowactivate --sync key alt+c >/dev/null 2>&1 || true
wait_for '[ -z "$(windows DTMF)" ]' 15 || fail "the DTMF window did not close on Alt+C"

# Help > About LUMORA, and its Licences... button by its Alt key.
from_menu h a found_box "no About box from the Help menu"
sleep 0.5
import -window root "$shots/wine-about.png"
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
xdotool key alt+l
wait_for '[ -n "$(windows "$title: licences")" ]' 15 || fail "About's Licences... showed no licences"
sleep 1 # drawn
import -window root "$shots/wine-licences.png"
xdotool key Escape
wait_for '[ -z "$(windows "$title: licences")" ] && found_box' 15 || fail "Escape did not go back to About"
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
xdotool key Return
wait_for '! found_box' 15 || fail "About did not close on Enter"
echo "window-under-wine: screenshots in $shots"

#!/usr/bin/env bash
# The windows as a netbook's user sees them: on a 1024 x 600 screen under a
# window manager, at the scales 1 and 2, in the light and the dark palette,
# and in Simplified Chinese (light) at both scales.
# For each, the main window after a read from the virtual radio and each
# signalling window are photographed into DIR (kept for looking at), and
# each must lie wholly on the screen with its buttons.
# Needs Xvfb, openbox, xdotool, xwininfo and ImageMagick's import.
# Usage: tests/gui/screenshots.sh [BUILD] [DIR]   (DIR: BUILD/gui-shots)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
shots=${2:-$build/gui-shots}
mkdir -p "$shots"
shots=$(cd "$shots" && pwd)
SCRIPT=screenshots
source "$(dirname "$0")/x-session.sh"
x_session_needs Xvfb openbox xdotool xwininfo import
fail() {
    echo "screenshots: FAIL: $*" >&2
    import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}

x_session_start 40 69 1024x600
port="$work/radio"
x_session_radio "$build" "$port"

on_screen() { # the window with its frame lies on the 1024 x 600 screen
    local frame
    frame=$(xwininfo -id "$(xwininfo -id "$1" -children | awk '/Parent window id/ {print $4}')" | awk '
        /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
    read -r x y w h <<<"$frame"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 600 ] \
        || fail "$2 lies off the screen: ${w}x${h} at $x,$y"
}
key() { xdotool key "$@"; sleep 0.4; }

for run in 1-light-en 1-dark-en 2-light-en 2-dark-en 1-light-zh_CN 2-light-zh_CN; do
    IFS=- read -r scale palette language <<<"$run"
    at="scale$scale-$palette"
    [ "$language" = en ] || at="$at-$language"
    LANG=$language.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME="$work/config-$at" XDG_DATA_HOME="$work/data-$at" \
        "$build/src/app/lumora" --port "$port" --palette "$palette" >"$work/lumora.out" 2>&1 &
    lumora=$!
    pids+=($lumora)
    main=$(window "LUMORA  V1.0$")
    xdotool windowactivate --sync "$main"
    key F11
    sleep 2
    key Return # "Read Succeed!"
    on_screen "$main" "the main window at $at"
    import -window root "$shots/main-$at.png"
    for area in d 2 5 f; do
        xdotool windowactivate --sync "$main"
        key alt+s
        key "$area"
        signalling=$(window "^(DTMF|2TONE|5TONE|FleetSync)$")
        on_screen "$signalling" "the $area window at $at"
        import -window root "$shots/signa-$area-$at.png"
        key alt+c # Close
    done
    xdotool windowactivate --sync "$main"
    key alt+F4
    sleep 0.5
    key alt+d # a read table no file holds: Discard
    for _ in $(seq 50); do kill -0 "$lumora" 2>/dev/null || break; sleep 0.1; done
    kill "$lumora" 2>/dev/null || true
done
echo "screenshots: every window fits; the pictures are in $shots"

#!/usr/bin/env bash
# The windows as a netbook's user sees them: on a 1024 x 600 screen under a
# window manager, at the scales 1 and 2, in the light and the dark palette.
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
for tool in Xvfb openbox xdotool xwininfo import; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "screenshots: FAIL: $*" >&2
    import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}

for n in $(seq 40 69); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

port="$work/radio"
"$build/tools/radio/lumora-radio" --memory "$work/radio.json" --link "$port" >"$work/radio.out" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "$port" ] && break; sleep 0.1; done

window() { # the first visible window whose title matches
    for _ in $(seq 100); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    fail "no window \"$1\""
}
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

for scale in 1 2; do
    for palette in light dark; do
        at="scale$scale-$palette"
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME="$work/config-$at" \
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
done
echo "screenshots: every window fits; the pictures are in $shots"

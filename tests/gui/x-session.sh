# Sourced by the GUI scripts: an X server of their own with a window
# manager, the virtual radio on a link in a work folder, and everything
# they start stopped and removed on exit. The script defines fail() and
# sets SCRIPT (its name for messages) before sourcing this.

# Each tool must be there: exit 2 otherwise.
x_session_needs() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$SCRIPT: $tool is missing" >&2; exit 2; }
    done
}

work=$(mktemp -d)
pids=()
x_session_cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap x_session_cleanup EXIT

# x_session_start FIRST LAST WxH: Xvfb on the first free display of
# FIRST..LAST, at that size, with openbox; DISPLAY is exported.
x_session_start() {
    local n display=""
    for n in $(seq "$1" "$2"); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
    done
    Xvfb "$display" -screen 0 "$3x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=$display
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
}

# x_session_radio BUILD PORT: the virtual radio on the link PORT.
x_session_radio() {
    "$1/tools/radio/lumora-radio" --memory "$work/radio.json" --link "$2" >"$work/radio.out" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -e "$2" ] && break; sleep 0.1; done
}

window() { # the first visible window whose title matches
    for _ in $(seq 100); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    fail "no window \"$1\""
}

#!/usr/bin/env bash
# Reads the main window's channel grid through the accessibility bus (AT-SPI),
# as Orca does: the table, its headers, a cell read as "Channel 1, RX Freq,
# 146.52000", and the focused cell after arrow keys. Skipped (status 0, said)
# where the machine has no accessibility bus or no pyatspi.
# Usage: tests/gui/screen-reader.sh [BUILD]
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
SCRIPT=screen-reader
fail() { echo "screen-reader: FAIL: $*" >&2; exit 1; }
if ! command -v dbus-run-session >/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ] \
    || ! /usr/bin/python3 -c "import pyatspi" 2>/dev/null; then
    echo "screen-reader: skipped: no accessibility bus (at-spi2-core, python3-pyatspi, dbus-daemon)"
    exit 0
fi
# Its own session bus, so the accessibility bus is this test's alone.
if [ -z "${SCREEN_READER_IN_SESSION:-}" ]; then
    SCREEN_READER_IN_SESSION=1 exec dbus-run-session -- "$0" "$build"
fi
source "$here/x-session.sh"
x_session_needs Xvfb openbox xdotool
x_session_start 140 160 1280x800
x_session_radio "$build" "$work/link"

# The accessibility bus, and a channel file from the virtual radio to read.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
"$build/src/app/lumora-cli" read -p "$work/link" -o "$work/channels.wh" >/dev/null 2>&1 \
    || fail "lumora-cli could not read the virtual radio"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM
LANG=C.UTF-8 "$build/src/app/lumora" --no-history --port "$work/link" "$work/channels.wh" >"$work/lumora.out" 2>&1 &
pids+=($!)
main=$(window "channels.wh")
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true

read_grid() { timeout 60 /usr/bin/python3 "$here/read-grid.py" "$@" || fail "$(cat "$work/lumora.out")"; }
read_grid table "Channel 1, RX Freq, 146.52000"
# The grid has the focus at channel 1, RX Freq: two rows down, one column right.
xdotool key --delay 100 Down Down Right
read_grid focused "Channel 3, TX Freq"
echo "screen-reader: passed"

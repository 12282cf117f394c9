#!/usr/bin/env bash
# Builds LUMORA, starts the virtual radio on a pseudo-terminal, and opens
# the tool with that port chosen. The radio stops when the tool closes.
# Its memory is kept in build/radio-memory.json between runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --desktop
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

# The radio links its device into the folder the tool lists ports from.
ports_dir=${LUMORA_PORTS_DIR:-${XDG_RUNTIME_DIR:+$XDG_RUNTIME_DIR/lumora-ports}}
ports_dir=${ports_dir:-/tmp/lumora-ports-$(id -u)}
mkdir -p "$ports_dir"
radio_out=$(mktemp)
build/tools/radio/lumora-radio --memory build/radio-memory.json --link "$ports_dir/lumora-radio" >"$radio_out" &
radio=$!
trap 'kill $radio 2>/dev/null; rm -f "$radio_out"' EXIT
for _ in $(seq 50); do
    [ -s "$radio_out" ] && break
    sleep 0.1
done
port="$ports_dir/lumora-radio"
echo "Virtual radio on $(head -n 1 "$radio_out"), linked as $port"
build/src/app/lumora --port "$port"

#!/usr/bin/env bash
# Builds LUMORA. The tool itself and the virtual radio it starts against
# are still to come; for now this builds the libraries and tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
echo "Built in ./build."

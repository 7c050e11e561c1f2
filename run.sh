#!/usr/bin/env bash
# Installs what is missing, builds an optimised game and starts it.
# Arguments go to the game (the first one may name a set file to load).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPVQ_TESTS=OFF -DPVQ_TOOLS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target pievorbquarn
exec build/release/pievorbquarn "$@"

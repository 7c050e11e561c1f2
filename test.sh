#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DPVQ_SANITIZE=ON -DPVQ_TESTS=ON >/dev/null
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/test
ctest --output-on-failure -j"$(nproc)" "$@"

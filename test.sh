#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test headless; runs the sound thread
# tests under ThreadSanitizer; then replays the saved fuzzing findings and fuzzes
# each reader for PVQ_FUZZ_SECONDS (20; 0 skips it).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --test
# ccache (installed for the fuzzing build) keeps a second run, or a run in
# another clone on the same machine, from compiling unchanged files again.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DPVQ_SANITIZE=ON -DPVQ_TESTS=ON "${launcher[@]}" >/dev/null
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest_status=0
(cd build/test && ctest --output-on-failure -j"$(nproc)" "$@") 2>&1 | tee build/test/ctest.log || ctest_status=$?
# The sound thread tests once more under ThreadSanitizer, in a small build of
# their own: only the mixer, the sound module and their test.
tsan_status=0
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=Debug -DPVQ_TSAN=ON -DPVQ_TESTS=ON -DPVQ_TOOLS=OFF "${launcher[@]}" >/dev/null
cmake --build build/tsan -j"$(nproc)" --target tests_sound_threads
TSAN_OPTIONS=halt_on_error=1 SDL_AUDIODRIVER=dummy build/tsan/tests/sound/tests_sound_threads 2>&1 |
  tee build/tsan/tsan.log || tsan_status=$?
fuzz_status=0
fuzz_seconds=${PVQ_FUZZ_SECONDS:-20}
if ((fuzz_seconds > 0)); then
  bench/fuzz.sh "$fuzz_seconds" 2>&1 | tee build/test/fuzz.log || fuzz_status=$?
fi
echo
grep -E "tests passed|tests failed" build/test/ctest.log | tail -1 || echo "ctest: no summary (exit $ctest_status)"
((fuzz_seconds == 0)) || tail -1 build/test/fuzz.log
grep -E "PASSED|FAILED" build/tsan/tsan.log | tail -1 | sed 's/^/ThreadSanitizer: /' || true
((ctest_status == 0 && tsan_status == 0 && fuzz_status == 0))

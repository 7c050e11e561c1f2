#!/usr/bin/env bash
# Fuzzes every file reader for SECONDS each (default 60), one harness after another:
#   bench/fuzz.sh [SECONDS] [HARNESS...]
# Builds the clang harnesses in build/fuzz (ccache), writes the seeds from the tests'
# builders, first replays every input saved in tests/regressions/<harness>/, then
# fuzzes from the seeds, the saved inputs and the corpus grown by earlier runs
# (build/fuzz/corpus). An input that breaks a harness is copied to
# tests/regressions/<harness>/ so every later run replays it until the reader is fixed.
# Prints executions per second per harness and ends with "fuzz: N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
shift || true
all=(fuzz_xet fuzz_set fuzz_bmp fuzz_scores fuzz_midi fuzz_wave)
harnesses=("${all[@]}")
(($# == 0)) || harnesses=("$@")

scripts/setup.sh --fuzz
export CCACHE_BASEDIR=/work CCACHE_NOHASHDIR=1
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DPVQ_FUZZ=ON -DPVQ_TESTS=OFF -DPVQ_TOOLS=OFF \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
if ! cmake --build "$build" -j"$(nproc)" --target fuzzers >"$build/build.log" 2>&1; then
  tail -40 "$build/build.log"
  echo "fuzz: the harnesses did not build (log: $build/build.log)"
  exit 1
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
rm -rf "$build/seeds"
"$build/fuzz/make_seeds" "$build/seeds" 2>/dev/null

passed=0
failed=0
for h in "${harnesses[@]}"; do
  bin=$root/$build/fuzz/$h
  saved=$root/tests/regressions/$h
  corpus=$root/$build/corpus/$h
  findings=$root/$build/findings/$h
  log=$root/$build/$h.log
  mkdir -p "$corpus" "$findings"
  rm -f "$findings"/*

  # Saved inputs first: each must pass on its own before any new fuzzing.
  mapfile -t inputs < <(find "$saved" -type f ! -name '.*' 2>/dev/null | sort)
  if ((${#inputs[@]})) && ! "$bin" -rss_limit_mb=512 -timeout=20 "${inputs[@]}" >"$log.replay" 2>&1; then
    echo "$h: a saved input in tests/regressions/$h still fails (log: $log.replay)"
    grep -m3 -E "invariant broken|ERROR: |runtime error|SUMMARY" "$log.replay" || true
    failed=$((failed + 1))
    continue
  fi

  dirs=("$corpus" "$build/seeds/$h")
  [[ -d $saved ]] && dirs+=("$saved")
  status=0
  "$bin" -max_total_time="$seconds" -rss_limit_mb=512 -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$findings/" "${dirs[@]}" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  rate=$(( ${runs:-0} / ${took:-$seconds} ))
  if ((status == 0)); then
    echo "$h: ${runs:-0} runs in ${took:-$seconds} s, $rate exec/s, corpus $(ls "$corpus" | wc -l) inputs"
    passed=$((passed + 1))
  else
    for f in "$findings"/*; do
      [[ -e $f ]] || continue
      mkdir -p "$saved"
      cp "$f" "$saved/"
      echo "$h: FOUND $(basename "$f") -> tests/regressions/$h/ (log: $log)"
    done
    grep -m3 -E "invariant broken|ERROR: |runtime error|SUMMARY" "$log" || true
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))

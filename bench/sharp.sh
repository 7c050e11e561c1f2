#!/usr/bin/env bash
# The game's start-up at twice the density beside the same at 1, from the
# probe's lines that bench/run files as paint_ms_dev / paint_ms_dev2x and
# hwm_kb_dev / hwm_kb_dev2x: the medians and their ratios (the sharp pictures
# should cost at most 1.2 times the first paint and 1.5 times the peak memory).
#   bench/sharp.sh RAW-FILE
set -euo pipefail
raw=${1:?the raw file bench/run writes}
python3 - "$raw" <<'PY'
import statistics, sys
values = {}
for line in open(sys.argv[1]):
    parts = line.split()
    if len(parts) == 2:
        values.setdefault(parts[0], []).append(float(parts[1]))
for key, budget in (("paint_ms", 1.2), ("hwm_kb", 1.5)):
    one, two = values.get(key + "_dev"), values.get(key + "_dev2x")
    if not one or not two:
        continue
    a, b = statistics.median(one), statistics.median(two)
    print(f"{key}: at 1 {a:.1f}, at 2 {b:.1f}, ratio {b / a:.2f} (budget {budget})")
PY

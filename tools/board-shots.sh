#!/usr/bin/env bash
# Photographs the main window offscreen through a fixed script (the idle board,
# every frame of a round, the buttons' states, the sound icon's three states, the
# cursor over every part, resized windows) and compares the pictures with an
# earlier run's, pixel for pixel.
#   tools/board-shots.sh capture FOLDER [build folder]    writes the pictures
#   tools/board-shots.sh compare REFERENCE [build folder] captures into a scratch
#                                                         folder and compares
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:?capture or compare}
folder=${2:?a folder}
build=${3:-build/test}
cmake --build "$build" -j2 --target pvq_boardcapture >/dev/null
run() { QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$build/tools/pvq_boardcapture" "$@"; }
case $mode in
  capture) rm -rf "$folder"; run "$folder"; echo "wrote $(ls "$folder" | wc -l) files to $folder" ;;
  compare)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    run "$scratch/now"
    run --compare "$folder" "$scratch/now" ;;
  *) echo "capture or compare" >&2; exit 2 ;;
esac

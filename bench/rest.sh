#!/usr/bin/env bash
# The game at rest and in a round, from outside, on SDL's disk driver:
#
#   bench/rest.sh GAME BARE [SECONDS]
#
# GAME is the program (with its sound modules and default.xet beside it), BARE
# the bare Qt window of bench/baseline. Run on an X display of its own (bench/run
# starts one). From 8 s after start, for SECONDS (default 10) at the idle board:
# wake-ups a second of every thread (voluntary + involuntary context switches in
# /proc/PID/task/*/status), of the GUI thread alone and of the rest, the bytes
# written to the sound file, and whether the output is held open. Then the start
# hole is clicked: the round's sound must reach the file (sox), and its first
# samples time the first sound after the rest. Prints key value lines.
set -euo pipefail
GAME=$(realpath "$1") BARE=$(realpath "$2") SPAN=${3:-10}
START_HOLE=${START_HOLE:-291,278}
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

# Sum of context switches: all threads, the main (GUI) thread alone.
switches() {
  local pid=$1 all=0 gui=0 t n
  for t in /proc/"$pid"/task/*; do
    n=$(awk '/ctxt_switches/ { s += $2 } END { print s + 0 }' "$t/status" 2>/dev/null || echo 0)
    all=$((all + n))
    [[ ${t##*/} == "$pid" ]] && gui=$n
  done
  echo "$all $gui"
}
# Threads of the process by name, for the log.
threads() { cat /proc/"$1"/task/*/comm 2>/dev/null | sort | uniq -c | tr -s ' \n' ' '; }
rate() { awk -v a="$1" -v b="$2" -v s="$3" 'BEGIN { printf "%.2f", (b - a) / s }'; }

# measure NAME PID: wake-ups a second over SPAN seconds.
measure() {
  local name=$1 p=$2 a b
  read -r -a a <<<"$(switches "$p")"
  sleep "$SPAN"
  read -r -a b <<<"$(switches "$p")"
  echo "wakeups_all_$name $(rate "${a[0]}" "${b[0]}" "$SPAN")"
  echo "wakeups_gui_$name $(rate "${a[1]}" "${b[1]}" "$SPAN")"
  echo "wakeups_other_$name $(rate "$((a[0] - a[1]))" "$((b[0] - b[1]))" "$SPAN")"
}

# The bare window.
"$BARE" >/dev/null 2>&1 &
pid=$!
sleep 8
measure bare "$pid"
kill "$pid"; wait "$pid" 2>/dev/null || true

# The game.
out=$work/out.raw
export HOME=$work/home SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$out
# The tune renders to a file of its own (fluidsynth.raw in the scratch folder):
# through SDL it would share the effects' disk file.
export PVQ_MIDI_DRIVER=${PVQ_MIDI_DRIVER:-file}
mkdir -p "$HOME"
(cd "$work" && exec "$GAME" >"$work/game.log" 2>&1) &
pid=$!
sleep 8
echo "threads_rest $(threads "$pid")" >&2
size0=$(stat -c %s "$out" 2>/dev/null || echo 0)
held=0
measure rest "$pid"
size1=$(stat -c %s "$out" 2>/dev/null || echo 0)
for fd in /proc/"$pid"/fd/*; do [[ $(readlink "$fd") == "$out" ]] && held=1; done
echo "rest_bytes_written $((size1 - size0))"
echo "rest_output_held $held"

# A round after the rest: click the start hole and time the first samples.
window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
xdotool mousemove --window "$window" "${START_HOLE%,*}" "${START_HOLE#*,}" click 1
clicked=$(date +%s.%N)
# The disk driver writes one period at a time as it is played: the first
# samples that are not silence mark when the round's first sound was heard.
first=""
for ((i = 0; i < 400; ++i)); do
  if [[ -s $out ]] && od -An -tu1 -v "$out" | tr -s ' ' '\n' | grep -qv '^\(128\|\)$'; then
    first=$(date +%s.%N); break
  fi
  sleep 0.005
done
# This includes xdotool's own time and the set's tick rules: the exact delay is
# bench_sound's "first sound after rest".
[[ -n $first ]] && echo "round_click_to_sound_ms $(awk -v a="$clicked" -v b="$first" 'BEGIN { printf "%.0f", (b - a) * 1000 }')"
# CPU of all threads over SPAN seconds of the round.
cpu0=$(awk '{ s += $1 } END { print s }' /proc/"$pid"/task/*/schedstat)
read -r -a a <<<"$(switches "$pid")"
sleep "$SPAN"
read -r -a b <<<"$(switches "$pid")"
cpu1=$(awk '{ s += $1 } END { print s }' /proc/"$pid"/task/*/schedstat)
echo "threads_round $(threads "$pid")" >&2
echo "wakeups_all_round $(rate "${a[0]}" "${b[0]}" "$SPAN")"
echo "cpu_round_percent $(awk -v a="$cpu0" -v b="$cpu1" -v s="$SPAN" 'BEGIN { printf "%.2f", (b - a) / s / 1e7 }')"
sox -t raw -r 11025 -e unsigned -b 8 -c 1 "$out" -n stat 2>&1 | awk '/Maximum amplitude|RMS     amplitude/ { gsub(/ +/, " "); print "round_" tolower($1) "_amplitude", $NF }'

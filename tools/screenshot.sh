#!/usr/bin/env bash
# Takes the README's screenshot: the idle board of the built-in set, on a
# virtual X server. Needs xvfb, xdotool and imagemagick.
#   tools/screenshot.sh [game binary] [output png] [game arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-build/release/pievorbquarn}
out=${2:-docs/screenshot.png}
shift 2 || true
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display SDL_AUDIODRIVER=dummy "$game" "$@" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" "$xvfb" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
  window=$(DISPLAY=$display xdotool search --name "Pie Vorb Quarn," 2>/dev/null | head -n1 || true)
  [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || { echo "the game window did not appear" >&2; exit 1; }
sleep 1
DISPLAY=$display import -window "$window" "$out"
echo "wrote $out"

#!/usr/bin/env bash
# Photographs the main window on a virtual X server, with the set named among
# the game arguments (or the built-in one). Needs xvfb, xdotool and imagemagick.
# tools/gallery.sh takes the README's pictures of every window.
#   tools/screenshot.sh [game binary] [output png] [game arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-build/release/pievorbquarn}
out=${2:-screenshot.png}
shift 2 || true
numberFile=$(mktemp)
# Xvfb picks a free display number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$numberFile"' EXIT
for _ in $(seq 50); do [[ -s "$numberFile" ]] && break; sleep 0.1; done
display=:$(cat "$numberFile")
DISPLAY=$display SDL_AUDIODRIVER=dummy "$game" "$@" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" "$xvfb" 2>/dev/null || true; rm -f "$numberFile"' EXIT
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

#!/bin/bash
# The board as a screen reader reads it: starts the game under Xvfb on a private
# D-Bus session with its own accessibility bus, reads the game's accessible tree
# with pyatspi (tools/atspi_board.py) and stops the game again.
#
#   tools/atspi-board.sh [path/to/pievorbquarn]     (default: build/dev/pievorbquarn)
#
# Extra environment (LANGUAGE=de, for one) reaches the game.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "${1:-$here/../build/dev/pievorbquarn}")
[[ -x $game ]] || { echo "no game at $game" >&2; exit 2; }

if [[ -z ${PVQ_ATSPI_INNER:-} ]]; then
  exec env PVQ_ATSPI_INNER=1 xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- "$0" "$game"
fi

scratch=$(mktemp -d)
trap 'kill "$gamePid" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
(cd "$scratch" && exec "$game") &
gamePid=$!
/usr/bin/python3 "$here/atspi_board.py"

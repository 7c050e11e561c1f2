#!/usr/bin/env bash
# Runs the game natively on Wayland: a private headless weston, Qt's wayland
# platform. A short run with the protocol traced shows what the game asks of the
# compositor (its app id, its cursor buffers, no empty buffers); a whole session,
# played by the session driver plugin, must start, play a round, show its
# dialogs, take a dropped set and close without printing anything.
#
# usage: check_wayland.sh PROGRAM PLUGIN_DIR SCRATCH_DIR
# Exits 77 (skipped) when weston or Qt's wayland platform is not installed.
set -uo pipefail

program=$1 plugins=$2 scratch=$3
appId=example.zanthorp.PieVorbQuarn
source "$(dirname "$0")/checks.sh"

qtPlugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if ! command -v weston >/dev/null || ! ls "$qtPlugins"/platforms/libqwayland-*.so >/dev/null 2>&1; then
  echo "SKIP  weston or Qt's wayland platform (qt6-wayland) is not installed"
  exit 77
fi

rm -rf "$scratch"
runtime=$scratch/runtime
mkdir -p "$runtime" "$scratch/home"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=pvq-wayland

timeout -s TERM 300 weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
  --no-config >"$scratch/weston.log" 2>&1 &
weston=$!
stopWeston() {
  kill "$weston" 2>/dev/null
  wait "$weston" 2>/dev/null
}
trap stopWeston EXIT
for _ in $(seq 100); do
  [[ -S $runtime/$socket ]] && break
  sleep 0.1
done
if ! [[ -S $runtime/$socket ]]; then
  cat "$scratch/weston.log"
  fail "weston started"
  exit 1
fi

game=(env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket HOME="$scratch/home"
      XDG_DATA_HOME="$scratch/home/data" SDL_AUDIODRIVER=dummy PVQ_MIDI_DRIVER=file
      ASAN_OPTIONS=detect_leaks=0 "$program")

echo "== what the game asks of the compositor"
(cd "$scratch" && WAYLAND_DEBUG=client timeout --preserve-status -s TERM 6 "${game[@]}" >"$scratch/trace.log" 2>&1)
status=$?
check "the traced run closed cleanly on SIGTERM (status $status)" test "$status" = 0
check "its window's app id is the launcher's name, $appId" \
  grep -q "set_app_id(\"$appId\")" "$scratch/trace.log"
# A 32 x 32 colour cursor is one 4096-byte buffer.
check "it hands the compositor its custom cursor" grep -qE 'wl_shm@[0-9]+\.create_pool\(.*, 4096\)$' "$scratch/trace.log"
check "it asks for no empty buffer" bash -c '! grep -qE "create_pool\(.*, 0\)$|mmap failed" "$1"' _ "$scratch/trace.log"

echo "== a whole session"
# The dropped set is the built-in one under another name, so taking it shows.
dropped=$scratch/renamed.xet
builtIn=$(dirname "$program")/default.xet
if [[ -f $builtIn ]]; then
  cp "$builtIn" "$dropped"
  # The set's name is a counted string at byte 52 of the header, which follows
  # the 18-byte signature; the new name keeps its length.
  oldName=$(dd if="$dropped" bs=1 skip=71 count="$(od -An -tu1 -j70 -N1 "$dropped" | tr -d ' ')" 2>/dev/null)
  newName=$(printf '%s' "Dropped Set ${oldName}" | cut -c1-"${#oldName}")
  printf '%s' "$newName" | dd of="$dropped" bs=1 seek=71 conv=notrunc 2>/dev/null
else
  fail "the build made no default.xet to drop"
fi
(cd "$scratch" && PVQ_SESSION_LOG="$scratch/session.log" PVQ_SESSION_DROP="$dropped" QT_PLUGIN_PATH="$plugins" \
   QT_QPA_GENERIC_PLUGINS=pvqsession timeout -s KILL 180 "${game[@]}" >"$scratch/output.log" 2>&1)
status=$?
sed 's/^/      /' "$scratch/session.log" 2>/dev/null
check "the session ended by closing the window (status $status)" test "$status" = 0
check "the game printed nothing" test ! -s "$scratch/output.log"
[[ -s $scratch/output.log ]] && head -20 "$scratch/output.log" | sed 's/^/      /'
has() { grep -qE "$1" "$scratch/session.log" 2>/dev/null; }
check "the board came up" has '^board ".+" [0-9]+x[0-9]+$'
check "the playfield shows the set's own 32 x 32 cursor" has '^playfield cursor custom 32x32$'
check "a round was played" has '^round played, [0-9]+ clicks$'
check "the round ended with a dialog on screen" \
  bash -c 'sed -n "/^round played/,\$p" "$1" | grep -q "^dialog "' _ "$scratch/session.log"
check "no error was shown" bash -c '[[ -s $1 ]] && ! grep -q "^dialog .*\"Error\"" "$1"' _ "$scratch/session.log"
check "the dropped set was taken" has '^drop accepted$'
[[ -n ${newName:-} ]] && check "the window now carries the dropped set's name" has "^board \"$newName"
check "the driver closed the game" has '^closing$'
check "the tune played through the round" test -s "$scratch/fluidsynth.wav"

summary

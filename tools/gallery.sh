#!/usr/bin/env bash
# Plays the game on a virtual X server and photographs its windows for docs/:
# the idle board, the count-down, a splat, the game-over dialog, the score table,
# the about box, the command menu, a question box, the set chooser and the
# wizard's steps with its preview and warnings; then the other shipped sets'
# count-down and a round of each.
# Needs xvfb, xdotool and imagemagick (scripts/setup.sh --bench installs them).
#   tools/gallery.sh [game binary] [output folder] [scale]
# A scale of 2 runs the game with QT_SCALE_FACTOR=2 (on a screen twice as large).
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(realpath "${1:-build/release/pievorbquarn}")
out=${2:-docs/gallery}
scale=${3:-1}
mkdir -p "$out"
out=$(realpath "$out")
work=$(mktemp -d)
# Xvfb picks a free display number and writes it to the file.
Xvfb -displayfd 3 -screen 0 $((1024 * scale))x$((768 * scale))x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
pid=""
trap 'kill $pid "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

# The score file lives beside the program; a copy keeps the real one untouched.
# The shipped sets sit beside it too, and an empty home keeps the player's own
# sets, recent files and cached previews out of the pictures.
cp "$game" "$work/pievorbquarn"
cp "$(dirname "$game")"/*.xet "$(dirname "$game")"/*.xet@2x "$(dirname "$game")"/libpvq*.so "$work/" 2>/dev/null || true
mkdir -p "$work/home"
# The tune plays into a file there, as no sound server is at hand.
(cd "$work" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$work/home" \
  QT_SCALE_FACTOR=$scale SDL_AUDIODRIVER=dummy PVQ_MIDI_DRIVER=file ASAN_OPTIONS=detect_leaks=0 \
  "$work/pievorbquarn" >/dev/null 2>&1) &
pid=$!

windowNamed() {  # waits for a window whose title matches $1 and prints its id
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n1 || true)
    [[ -n "$id" ]] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window named '$1' appeared" >&2
  exit 1
}
shoot() {  # window id, file name
  import -window "$1" "$out/$2"
  echo "wrote $out/$2"
}
shootScreen() {  # the part of the screen around the main window (menus are windows of their own)
  import -window root -crop "$1" +repage "$out/$2"
  echo "wrote $out/$2"
}
# Clicks at a place in the main window's logical pixels.
clickAt() { xdotool mousemove --window "$main" $(($1 * scale)) $(($2 * scale)) click 1; }
# Gives a window the keyboard (there is no window manager to do it).
focusOn() { xdotool windowfocus "$1" 2>/dev/null || true; sleep 0.1; }
# Waits until the window with this id is gone.
gone() { for _ in $(seq 100); do xdotool getwindowname "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done; }

main=$(windowNamed "Pie Vorb Quarn,")
xdotool windowmove "$main" 0 0
sleep 1.5
shoot "$main" idle.png

# The holes' centres in the main window (the playfield is centred under the banner).
geometry=$(xdotool getwindowgeometry "$main" | awk '/Geometry/ {print $2}')
width=$((${geometry%x*} / scale))
left=$((width / 2 - 280))
holes=()
for place in "56 0" "168 0" "280 0" "392 0" "0 130" "112 130" "224 130" "336 130" "448 130" "56 260" "168 260" "280 260" "392 260"; do
  set -- $place
  holes+=("$((left + $1 + 55)) $((83 + $2 + 65))")
done

clickAt ${holes[6]}  # the start hole
sleep 1.2
shoot "$main" countdown.png
sleep 3.5

# Click every hole over and over until the round ends; the shot with the most
# cream pie in it is the splat.
best=0
for round in $(seq 400); do
  xdotool search --onlyvisible --name "^Game Over$" >/dev/null 2>&1 && break
  for h in "${holes[@]}"; do clickAt $h; done
  import -window "$main" "$work/play$round.png"
  pie=$(convert "$work/play$round.png" -fill black +opaque "#FFF8E6" -fill white -opaque "#FFF8E6" -format "%[fx:int(mean*w*h)]" info:)
  if ((pie > best)); then best=$pie; cp "$work/play$round.png" "$out/splat.png"; fi
done
echo "wrote $out/splat.png ($best pie pixels)"

over=$(windowNamed "^Game Over$")
sleep 1.5
shoot "$over" gameover.png
focusOn "$over"; xdotool key alt+a
leader=$(windowNamed "Local HighScore Board")
focusOn "$leader"; xdotool type "Vorb's best friend"
shoot "$leader" name.png
focusOn "$leader"; xdotool key Return
table=$(windowNamed "Local Highscore Table")
sleep 0.5
shoot "$table" table.png
focusOn "$table"; xdotool key Return
gone "$table"
focusOn "$over"; xdotool key Return
gone "$over"

# The command menu, then the about box from it.
clickAt 25 55
sleep 0.8
shootScreen $((420 * scale))x$((330 * scale))+0+0 menu.png
xdotool key a
about=$(windowNamed "^About Pie Vorb Quarn")
sleep 0.5
shoot "$about" about.png
focusOn "$about"; xdotool key Return
gone "$about"

# What the active set says about itself.
clickAt 25 55
sleep 0.5
xdotool key i a
setInfo=$(windowNamed "About Current Image Set")
sleep 0.5
shoot "$setInfo" setinfo.png
focusOn "$setInfo"; xdotool key Return
gone "$setInfo"

# The question before quitting, answered no.
clickAt 25 55
sleep 0.5
xdotool key q
question=$(windowNamed "Pie Vorb Quarn" | head -n1)
sleep 0.5
for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
  [[ "$id" == "$main" ]] && continue
  name=$(xdotool getwindowname "$id" 2>/dev/null || true)
  [[ "$name" == *"Pie Vorb Quarn"* || "$name" == *"Quit"* ]] && question=$id
done
shoot "$question" question.png
focusOn "$question"; xdotool key Escape
sleep 0.5

# The set chooser, once every preview is drawn.
clickAt 25 55
sleep 0.5
xdotool key i s
chooser=$(windowNamed "^Choose Image Set$")
sleep 2
shoot "$chooser" chooser.png
focusOn "$chooser"; xdotool key Escape
gone "$chooser"

# Picks the wizard's two strips in the image group window.
chooseStrips() {  # figure strip, splat strip, [picture of the window]
  focusOn "$wizard"; xdotool key alt+f
  group=$(windowNamed "Add/Edit Image Group")
  sleep 0.3
  focusOn "$group"; xdotool key ctrl+a; xdotool type "$1"
  focusOn "$group"; xdotool key Tab Tab ctrl+a
  focusOn "$group"; xdotool type "$2"
  [[ -z "${3:-}" ]] || shoot "$group" "$3"
  focusOn "$group"; xdotool key Return
  gone "$group"
  sleep 0.5
}

# The wizard: step 1 with the example strips and its preview; step 2 with a navy
# page, which the preview and a warning show; back to step 1 with a figure strip
# a row short of three targets for the other two warnings; on to steps 3, 4 and 5.
clickAt 25 55
sleep 0.5
xdotool key i w
wizard=$(windowNamed "Create New eXtended Image Set Wizard")
sleep 0.8
chooseStrips "$PWD/examples/pictures/figure.bmp" "$PWD/examples/pictures/splat.bmp" imagegroup.png
shoot "$wizard" wizard-step1.png
focusOn "$wizard"; xdotool key alt+n
sleep 0.3
# Both colour buttons answer to alt+s: the second press reaches the page's.
focusOn "$wizard"; xdotool key alt+s alt+s space
colours=$(windowNamed "^Select Colou?r$")
sleep 0.3
focusOn "$colours"; xdotool key alt+h ctrl+a
focusOn "$colours"; xdotool type "#1c2a5a"
focusOn "$colours"; xdotool key Return
gone "$colours"
sleep 0.5
shoot "$wizard" wizard-step2.png
focusOn "$wizard"; xdotool key alt+b
sleep 0.3
convert "$PWD/examples/pictures/figure.bmp" "$PWD/examples/pictures/figure.bmp" "$PWD/examples/pictures/figure.bmp" \
  -append -crop x323+0+0 +repage BMP3:"$work/tall-figure.bmp"
chooseStrips "$work/tall-figure.bmp" "$PWD/examples/pictures/splat.bmp"
shoot "$wizard" wizard-warnings.png
focusOn "$wizard"; xdotool key alt+n
sleep 0.3
focusOn "$wizard"; xdotool key alt+n
sleep 0.3
shoot "$wizard" wizard-step3.png
focusOn "$wizard"; xdotool key alt+n
sleep 0.3
shoot "$wizard" wizard-step4.png
# The set needs a name before step 5.
focusOn "$wizard"; xdotool key alt+i
focusOn "$wizard"; xdotool type "Gallery"
focusOn "$wizard"; xdotool key alt+n
sleep 0.3
# The custom tile, the last of the eight, opens the custom cursor's box.
xdotool mousemove --window "$wizard" $((681 * scale)) $((101 * scale)) click 1
sleep 0.3
shoot "$wizard" wizard-step5.png
focusOn "$wizard"; xdotool key alt+f
xdotool type "$PWD/resources/Cur1.bmp"
xdotool key Tab Tab space
setup=$(windowNamed "Custom Cursor Setup")
sleep 0.5
shoot "$setup" cursorsetup.png
focusOn "$setup"; xdotool key Escape
gone "$setup"
focusOn "$wizard"; xdotool key Escape
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# The other shipped sets, each with its own character: the count-down signs and
# a round under way with figures up and pies landing.
for set in moonlight seaside; do
  [[ -f "$work/$set.xet" ]] || continue
  (cd "$work" && exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$work/home" \
    QT_SCALE_FACTOR=$scale SDL_AUDIODRIVER=dummy PVQ_MIDI_DRIVER=file ASAN_OPTIONS=detect_leaks=0 \
    "$work/pievorbquarn" "$work/$set.xet" >/dev/null 2>&1) &
  pid=$!
  main=$(windowNamed "Pie Vorb Quarn,")
  xdotool windowmove "$main" 0 0
  # A set named on the command line opens with its information box.
  info=$(windowNamed "^About Current Image Set")
  focusOn "$info"; xdotool key Escape
  gone "$info"
  sleep 1.5
  clickAt ${holes[6]}
  sleep 1.2
  shoot "$main" "$set-countdown.png"
  sleep 3.5
  # The busiest of a few shots (the largest file) shows the most figures and pies.
  for round in $(seq 12); do
    for h in "${holes[@]}"; do clickAt $h; done
    import -window "$main" "$work/$set-play$round.png"
  done
  cp "$(ls -S "$work/$set"-play*.png | head -n1)" "$out/$set-play.png"
  echo "wrote $out/$set-play.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
done

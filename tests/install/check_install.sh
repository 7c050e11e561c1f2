#!/usr/bin/env bash
# Installs a build into a scratch prefix and packs it as a .deb, then checks what
# a desktop and a package manager get: the file tree, the launcher, the AppStream
# metainfo, the set file types, the window's class on X, and the package's
# contents, dependencies and lintian's verdict.
#
# usage: check_install.sh BUILD_DIR MIMETYPE_TOOL SCRATCH_DIR VERSION SOURCE_DIR
set -uo pipefail

build=$1 mimetool=$2 scratch=$3 version=$4 source=$5
appId=example.zanthorp.PieVorbQuarn
source "$(dirname "$0")/checks.sh"

rm -rf "$scratch"
mkdir -p "$scratch/home"
prefix=$scratch/prefix
share=$prefix/share

echo "== cmake --install into $prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log"
  fail "cmake --install"
  exit 1
fi
# The package must hold the same tree, so remember it before anything is added.
installed=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)

echo "== installed tree"
check "bin/pievorbquarn is an executable" test -x "$prefix/bin/pievorbquarn"
if [[ -f $build/default.xet ]]; then
  check "share/pievorbquarn/default.xet is the built one" cmp -s "$build/default.xet" "$share/pievorbquarn/default.xet"
  for set in default moonlight seaside; do
    check "$set.xet's sharp pictures lie beside it" cmp -s "$build/$set.xet@2x" "$share/pievorbquarn/$set.xet@2x"
  done
else
  echo "SKIP  default.xet: the build made none"
fi
if [[ -d $source/examples ]]; then
  check "share/pievorbquarn/examples matches the source's, without the notes and the art tool's 2x drawings" \
    diff -r -x README.md -x 2x "$source/examples" "$share/pievorbquarn/examples"
  check "the notes on the example pictures are documentation" \
    cmp -s "$source/examples/pictures/README.md" "$share/doc/pievorbquarn/example-pictures.md"
else
  echo "SKIP  examples: the source has none"
fi
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$appId.png
  check "${size}x${size} icon is a ${size}x${size} PNG" \
    bash -c '[[ $(file -b "$1" 2>/dev/null) == "PNG image data, $2 x $2,"* ]]' _ "$icon" "$size"
done
check "scalable icon is an SVG" \
  bash -c '[[ $(file -b "$1" 2>/dev/null) == *"SVG Scalable Vector Graphics"* ]]' _ "$share/icons/hicolor/scalable/apps/$appId.svg"


echo "== licence, changelog, manual page"
doc=$share/doc/pievorbquarn
check "doc/pievorbquarn/copyright is machine-readable" \
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
# The copyright file carries LICENSE's permission text, word for word.
permissionWords() { sed -n "/^ *Permission/,\$p" "$1" | tr -s ' \n' '\n\n' | grep -v -x -e '' -e '\.'; }
sameStatement() { [[ -s $1 ]] && diff <(permissionWords "$1") <(permissionWords "$2") >/dev/null; }
check "copyright carries LICENSE's statement" sameStatement "$source/LICENSE" "$doc/copyright"
check "changelog.gz opens with version $version" \
  bash -c '[[ $(zcat "$1" | head -1) == "pievorbquarn ($2) "* ]]' _ "$doc/changelog.gz" "$version"
manPage=$share/man/man6/pievorbquarn.6.gz
check "man 6 pievorbquarn shows the synopsis" \
  bash -c 'MANWIDTH=80 man -l "$1" 2>/dev/null | grep -q "pievorbquarn \[options\] \[set-file\]"' _ "$manPage"

echo "== launcher"
desktop=$share/applications/$appId.desktop
check "desktop-file-validate" desktop-file-validate "$desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
exec=$(entry Exec)
check "Exec runs the installed program with the set file (Exec=$exec)" \
  bash -c '[[ $2 == *" %f" && -x $1/bin/${2%% *} ]]' _ "$prefix" "$exec"
check "Icon names the installed icon (Icon=$(entry Icon))" test -f "$share/icons/hicolor/scalable/apps/$(entry Icon).svg"
mimeXml=$share/mime/packages/$appId.xml
declared=$(grep -o 'mime-type type="[^"]*"' "$mimeXml" | cut -d'"' -f2 | sort)
launcherTypes=$(entry MimeType | tr ';' '\n' | sed '/^$/d' | sort)
check "launcher opens exactly the declared set types" test "$launcherTypes" = "$declared"
for language in de fr; do
  for key in Name GenericName Comment Keywords; do
    check "launcher has $key[$language]" test -n "$(entry "$key\\[$language\\]")"
  done
done

echo "== AppStream metainfo"
metainfo=$share/metainfo/$appId.metainfo.xml
check "appstreamcli validate --pedantic --no-net" appstreamcli validate --pedantic --no-net "$metainfo"
for language in de fr; do
  check "metainfo has a $language summary and description" \
    bash -c 'grep -q "<summary xml:lang=\"$2\">" "$1" && grep -q "<p xml:lang=\"$2\">" "$1"' _ "$metainfo" "$language"
done
check "metainfo launches the installed launcher" \
  grep -q "<launchable type=\"desktop-id\">$appId.desktop</launchable>" "$metainfo"
check "metainfo release is $version" grep -q "<release version=\"$version\"" "$metainfo"
providedTypes=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$metainfo" | sort)
check "metainfo provides exactly the declared set types" test "$providedTypes" = "$declared"

echo "== set file types"
check "update-mime-database" bash -c 'update-mime-database "$1" >"$2" 2>&1' _ "$share/mime" "$scratch/mime.log"
files=$scratch/files
mkdir -p "$files"
# Names that say nothing, so only the first bytes can tell.
printf 'eXtended Image SET\x01\x00\x00\x00rest' >"$files/something.bin"
printf 'PIEQUAR2 Image Set\x01\x00\x00\x00rest' >"$files/plain.bin"
printf 'PIEQUARN Image Set\x01\x00\x00\x00rest' >"$files/oldest.bin"
printf 'not a set' >"$files/named.xet"
printf 'not a set' >"$files/named.set"
mimeOf() {
  XDG_DATA_HOME=$scratch/home XDG_DATA_DIRS=$1 QT_QPA_PLATFORM=offscreen "$mimetool" "$2"
}
typeIs() {
  local got
  got=$(mimeOf "$share:/usr/share" "$files/$1")
  [[ $got == "$2" ]] || echo "      $1 is $got"
  [[ $got == "$2" ]]
}
check "eXtended set content is application/x-pievorbquarn-xset" typeIs something.bin application/x-pievorbquarn-xset
check "plain set content is application/x-pievorbquarn-set" typeIs plain.bin application/x-pievorbquarn-set
check "*.xet is application/x-pievorbquarn-xset" typeIs named.xet application/x-pievorbquarn-xset
check "*.set is application/x-pievorbquarn-set" typeIs named.set application/x-pievorbquarn-set
check "the unsupported oldest format is neither" \
  bash -c '! [[ $1 == application/x-pievorbquarn-* ]]' _ "$(mimeOf "$share:/usr/share" "$files/oldest.bin")"
check "without the installed database the content is not recognised" \
  bash -c '[[ $1 != application/x-pievorbquarn-xset ]]' _ "$(mimeOf /usr/share "$files/something.bin")"

echo "== command line"
# Without any display: these answers must not need a window system.
program=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/pievorbquarn")
check "--version prints the name and $version" test "$("${program[@]}" --version 2>/dev/null)" = "Pie Vorb Quarn $version"
check "--help shows the usage" bash -c '"$@" --help 2>/dev/null | grep -q "^Usage: pievorbquarn \[options\] \[set-file\]"' _ "${program[@]}"
check "an unknown option ends with status 2 and says why" \
  bash -c '"${@:2}" --no-such-option 2>"$1"; [[ $? == 2 ]] && grep -q "no-such-option" "$1"' _ "$scratch/stderr" "${program[@]}"

echo "== default set from the prefix"
# The installed program, with no build folder beside it, has to find the installed
# default.xet, and its start-up sound has to reach the device (SDL's disk driver).
run=$scratch/run
mkdir -p "$run/runtime"
chmod 700 "$run/runtime"
if [[ -f $share/pievorbquarn/default.xet ]] && command -v strace >/dev/null; then
  (cd "$run" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk \
     SDL_DISKAUDIOFILE="$run/device.raw" PVQ_MIDI_DRIVER=file XDG_RUNTIME_DIR="$run/runtime" HOME="$run" \
     ASAN_OPTIONS=detect_leaks=0 strace -f -qq -e trace=openat -o "$run/openat.log" \
     timeout --preserve-status -s TERM 4 "$prefix/bin/pievorbquarn" >"$run/game.log" 2>&1)
  status=$?
  check "the game ran 4 s and closed cleanly on SIGTERM (status $status)" test "$status" = 0
  check "it opened share/pievorbquarn/default.xet" \
    bash -c 'grep -F "\"$1\", O_RDONLY" "$2" | grep -qE "\) = [0-9]+$"' _ "$share/pievorbquarn/default.xet" "$run/openat.log"
  check "it opened no other default.xet" \
    bash -c '! grep -v -F "\"$1\"" "$2" | grep -q "default.xet"' _ "$share/pievorbquarn/default.xet" "$run/openat.log"
  # Silence on the device is 128; the start-up sound is the only one at start-up.
  check "its start-up sound reached the device" \
    bash -c '[[ -s $1 && $(tr -d "\200" <"$1" | wc -c) -gt 1000 ]]' _ "$run/device.raw"
else
  echo "SKIP  default set from the prefix: no installed default.xet or no strace"
fi

echo "== the window on X"
# Docks match a window to its launcher by its class (StartupWMClass) or its
# desktop file name.
if command -v Xvfb >/dev/null && command -v xprop >/dev/null && command -v xwininfo >/dev/null; then
  display=:$((90 + RANDOM % 400))
  Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >"$run/xvfb.log" 2>&1 &
  xvfb=$!
  (cd "$run" && DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$run/runtime" HOME="$run" \
     ASAN_OPTIONS=detect_leaks=0 timeout -s TERM 20 "$prefix/bin/pievorbquarn" >"$run/x11.log" 2>&1) &
  game=$!
  window=
  for _ in $(seq 100); do
    window=$(DISPLAY=$display xwininfo -root -children 2>/dev/null | awk '/"pievorbquarn"/ { print $1; exit }')
    [[ -n $window ]] && break
    sleep 0.1
  done
  wmClass=$( [[ -n $window ]] && DISPLAY=$display xprop -id "$window" WM_CLASS)
  echo "      $wmClass"
  startupClass=$(entry StartupWMClass)
  check "the window's class is the launcher's StartupWMClass ($startupClass)" \
    bash -c '[[ -n $2 && $1 == "WM_CLASS(STRING) = \"pievorbquarn\", \"$2\"" ]]' _ "$wmClass" "$startupClass"
  kill "$game" 2>/dev/null
  wait "$game" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
else
  echo "SKIP  the window on X: no Xvfb, xprop or xwininfo"
fi

echo "== Debian package"
arch=$(dpkg --print-architecture)
deb=$scratch/deb/pievorbquarn_${version}_${arch}.deb
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
fi
check "cpack made $(basename "$deb")" test -f "$deb"
if [[ -f $deb ]]; then
  # The same tree, but the program where Debian keeps games.
  installed=$(echo "$installed" | sed 's:^bin/pievorbquarn$:games/pievorbquarn:' | sort)
  packed=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's:^\./usr/::' | sort)
  check "package holds the installed tree under /usr, the program in /usr/games" test "$packed" = "$installed"
  [[ $packed == "$installed" ]] || diff <(echo "$installed") <(echo "$packed") | sed 's/^/      /'
  field() { dpkg-deb --field "$deb" "$1"; }
  check "Package: pievorbquarn" test "$(field Package)" = pievorbquarn
  check "Version: $version" test "$(field Version)" = "$version"
  check "Section: games" test "$(field Section)" = games
  check "Maintainer is set" test -n "$(field Maintainer)"
  depends=$(field Depends)
  recommends=$(field Recommends)
  echo "      Depends: $depends"
  echo "      Recommends: $recommends"
  listed() { [[ ", $1," == *", $2"[\ ,]* ]]; }
  for dep in 'libqt6widgets6' 'libsdl2-2.0-0' 'libfluidsynth3' 'timgm6mb-soundfont | sf2-soundfont-gm'; do
    check "Depends on $dep" listed "$depends" "$dep"
  done
  # The library scan writes the sound libraries with their versions; a hand-written
  # entry would have none.
  versioned() { [[ ", $1," == *", $2 (>= "* ]]; }
  for dep in 'libsdl2-2.0-0' 'libfluidsynth3'; do
    check "Depends on $dep with a version from the library scan" versioned "$depends" "$dep"
  done
  for module in libpvqsound.so libpvqmidi.so; do
    check "package holds the sound module $module" bash -c 'dpkg-deb --contents "$1" | grep "/usr/lib/pievorbquarn/modules/$2" >/dev/null' _ "$deb" "$module"
  done
  for dep in 'fonts-lato' 'fonts-dejavu-core' 'qt6-wayland'; do
    check "Recommends $dep" listed "$recommends" "$dep"
  done
  if command -v lintian >/dev/null; then
    lintian --pedantic --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1
    sed 's/^/      /' "$scratch/lintian.log"
    check "lintian --pedantic finds no error and no warning" bash -c '! grep -qE "^(E|W): " "$1"' _ "$scratch/lintian.log"
  else
    echo "SKIP  lintian: not installed"
  fi
fi

summary

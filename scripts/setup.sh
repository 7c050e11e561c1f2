#!/usr/bin/env bash
# Shared by run.sh and test.sh: make sure the Debian packages the game builds
# against are installed. As root they are installed; otherwise the command is shown.
set -euo pipefail

PACKAGES=(cmake g++ make pkg-config qt6-base-dev libsdl2-dev libfluidsynth-dev
          timgm6mb-soundfont libgtest-dev fonts-dejavu-core fonts-lato
          libsndfile1-dev libsmf-dev libsoxr-dev qt6-image-formats-plugins
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
if [[ "${1:-}" == "--test" ]]; then
  PACKAGES+=(xvfb xauth)
  # The install test: launcher, metainfo and file-type checks, the manual page,
  # the window's class on X, the .deb and lintian's verdict on it, and which
  # default set the installed program opens.
  PACKAGES+=(desktop-file-utils appstream shared-mime-info dpkg-dev file strace man-db x11-utils lintian)
  # The game on Wayland: a headless compositor and Qt's Wayland platform.
  PACKAGES+=(weston qt6-wayland)
  # The board read through the desktop's accessibility bus in a private session.
  PACKAGES+=(at-spi2-core python3-pyatspi dbus)
fi
# The fuzzing harnesses (test.sh, bench/fuzz.sh): clang and its libFuzzer runtime.
if [[ "${1:-}" == "--test" || "${1:-}" == "--fuzz" ]]; then
  PACKAGES+=(clang libclang-rt-14-dev ccache)
fi
# bench/run: a private X display, the first-paint probe's X DAMAGE headers, the
# clicks, the table maker, and the tracers its README's profiles use.
if [[ "${1:-}" == "--bench" ]]; then
  PACKAGES+=(xvfb xauth xdotool libx11-dev libxdamage-dev imagemagick time strace ltrace python3 ccache)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

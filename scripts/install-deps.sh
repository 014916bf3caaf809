#!/usr/bin/env bash
# Installs every Debian package that building, running and testing QuortTrans needs.
# Does nothing when all of them are present.
set -euo pipefail

packages=(
  # build
  cmake g++ ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-webengine-dev
  qt6-webengine-dev-tools qt6-webchannel-dev
  libqt6opengl6-dev libgl-dev
  # the office suite the exports drive
  libreoffice-core-nogui libreoffice-writer-nogui libreoffice-calc-nogui
  libreoffice-impress-nogui libreoffice-dev
  # setpriv, which starts the office so that it ends with the program
  util-linux
  # tests
  libgtest-dev xvfb xauth poppler-utils x11-utils imagemagick unzip
  # translation on this computer, with the two pairs the tests use
  apertium apertium-eng-spa apertium-eng-cat
  # the page's language
  libcld2-dev
  # fuzzing the file readers
  clang libclang-rt-14-dev
  # the formatting check
  clang-format
  # fonts so pages and screen pictures show real text
  fonts-dejavu-core
  # the command bars' pictures, copied into the program folder at build time
  tango-icon-theme
  # driving the built program as a user would: a window manager, the accessibility
  # tree, synthetic input and screen pictures
  openbox wmctrl xdotool xclip python3-pyatspi at-spi2-core dbus dbus-x11
  # the Debian package and the checks of what it installs
  dpkg-dev desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 update -qq
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends \
  "${missing[@]}"

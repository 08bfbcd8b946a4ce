#!/usr/bin/env bash
# Installs what the two builds and their tests need on Debian 12, then fetches the standard MIB
# modules. A warm machine passes straight through: nothing is installed when dpkg already has it.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

packages=(
  # Linux build and the Motif half under Xvfb
  build-essential cmake libgtest-dev libgmock-dev googletest libbenchmark-dev
  libmotif-dev mwm libxt-dev libxmu-dev libxtst-dev libx11-dev
  xvfb x11-apps x11-utils x11-common xdotool imagemagick libxfixes-dev
  # the misc bitmap fonts (fixed, 6x13, 10x20, ...) behind the constant-width font
  xfonts-base
  # the German catalogue is shown in a German UTF-8 locale, with Xft fonts
  locales fonts-dejavu-core
  # MIB compiler and the libFuzzer build; xxHash for the database checksum
  libsnmp-dev libsnmp-base clang libclang-rt-14-dev libxxhash-dev
  # Windows build and the native half under Wine
  wine wine64 g++-mingw-w64-x86-64-posix mingw-w64-tools
  # a Japanese font for the native half's Japanese dialogs
  fonts-ipafont-gothic
  # the reference pages, made from the headers, and reading them
  doxygen man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

# npm comes with Node.js on these machines; Debian's npm package only when neither is there.
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "cvgui setup: as root, run: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "cvgui setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Motif renders the German texts only in a UTF-8 locale that the C library knows.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "cvgui setup: as root, run: localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2
    exit 1
  fi
  echo "cvgui setup: generating the de_DE.UTF-8 locale"
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

"$here/fetch-mibs.sh"

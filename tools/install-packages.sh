#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12 (run as root).
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev fonts-dejavu-core
  espeak-ng
  fluidsynth musescore-general-soundfont-small vorbis-tools
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libgmock-dev googletest libbenchmark-dev xvfb xdotool x11-utils imagemagick
    desktop-file-utils appstream lintian openbox dpkg-dev file man-db fakeroot xauth
    clang libfuzzer-14-dev libclang-rt-14-dev stress-ng)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

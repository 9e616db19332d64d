#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12 (run as root).
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev fonts-dejavu-core
  espeak-ng
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libgmock-dev googletest libbenchmark-dev xvfb xdotool x11-utils imagemagick)
  packages+=(openbox)  # the window manager of the pause test's focus change
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

#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12 (run as root).
# --tests adds what the tests need, --windows what the Windows cross build and its Wine tests need,
# --web what the web page's build and its tests in headless Chromium need, --linux what the portable
# Linux folder's build and its tests in bare Debian systems need, --arm64 what the arm64 cross build
# (its package, its portable folder and the handheld zip) and its tests under qemu need.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev fonts-dejavu-core
  espeak-ng zlib1g-dev
  fluidsynth musescore-general-soundfont-small vorbis-tools
)
windows=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  binutils-mingw-w64-x86-64 wine wine64 zip unzip dpkg-dev)
web=(emscripten nodejs chromium dpkg-dev)
# SDL's CMake leaves out, without a word, every back end whose headers it does not find.
back_ends=(libx11-dev libxext-dev libxcursor-dev libxi-dev libxrandr-dev libxfixes-dev libxss-dev
  libxkbcommon-dev libwayland-dev libdecor-0-dev libdrm-dev libgbm-dev libegl-dev
  libpipewire-0.3-dev libpulse-dev libasound2-dev libudev-dev libdbus-1-dev)
linux=("${back_ends[@]}" wayland-protocols
  patch debootstrap binutils xvfb xdotool x11-utils imagemagick xauth openbox desktop-file-utils)
# The arm64 libraries beside this machine's own (multiarch). SDL2_mixer's development package pulls
# in JACK's: only JACK 2's comes for both processors, so it is named for both in the same command.
arm64=(crossbuild-essential-arm64 qemu-user-static binfmt-support "${linux[@]}"
  "${back_ends[@]/%/:arm64}" libsdl2-dev:arm64 libsdl2-mixer-dev:arm64 libsdl2-ttf-dev:arm64
  libjack-jackd2-dev libjack-jackd2-dev:arm64
  googletest appstream man-db dpkg-dev lintian fakeroot file unzip shellcheck)
case "${1:-}" in
--tests)
  packages+=(libgtest-dev libgmock-dev googletest libbenchmark-dev xvfb xdotool x11-utils imagemagick
    desktop-file-utils appstream lintian openbox dpkg-dev file man-db fakeroot xauth
    clang libfuzzer-14-dev libclang-rt-14-dev stress-ng "${windows[@]}" "${web[@]}" "${linux[@]}"
    "${arm64[@]}")
  ;;
--windows) packages+=("${windows[@]}") ;;
--web) packages+=("${web[@]}") ;;
--linux) packages+=("${linux[@]}") ;;
--arm64) packages+=("${arm64[@]}") ;;
esac
case "${1:-}" in
--tests | --arm64)
  if ! dpkg --print-foreign-architectures | grep -qx arm64; then
    dpkg --add-architecture arm64
    apt-get update
  fi
  ;;
esac
# The Windows and web libraries are built from Debian's own source packages: apt needs a deb-src entry
# for the archive the machine already uses.
if [ "${1:-}" != "" ] && ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      >/etc/apt/sources.list.d/quorax-deb-src.sources
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/quorax-deb-src.list
  fi
  apt-get update
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

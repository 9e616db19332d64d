#!/usr/bin/env bash
# Builds SDL2, SDL2_mixer, SDL2_ttf and FreeType for the portable Linux folder from Debian's own
# source packages, as static archives in a cached prefix, and prints that prefix's path on stdout
# (the build's log goes to stderr). Linked into the program, they are found wherever the folder is
# and whatever LD_LIBRARY_PATH names. SDL opens its display and sound back ends (X11, Wayland,
# KMSDRM, PipeWire, PulseAudio, ALSA) at run time, so the program needs none of them installed;
# their development packages must be here at build time (tools/install-packages.sh --linux), or
# SDL's CMake leaves the back end out without a word: tools/linux/test.sh checks what came in.
# The cache is keyed like the Windows one; QUORAX_CACHE overrides its folder.
# With a PROCESSOR argument other than this machine's (aarch64), it cross-builds with Debian's
# compiler for PROCESSOR-linux-gnu through cmake/PROCESSOR-linux-gnu.cmake, against the back ends'
# development packages for that processor (multiarch). With "shared-sdl" after it, SDL2 alone is a
# shared library, which the handheld folder carries beside its program (tools/arm64/handheld.sh).
set -euo pipefail
sources=(libsdl2 libsdl2-mixer libsdl2-ttf freetype)
processor=${1:-$(uname -m)} shared_sdl=OFF static_sdl=ON
if [ "${2:-}" = shared-sdl ]; then shared_sdl=ON static_sdl=OFF; fi
compiler=gcc toolchain=''
if [ "$processor" != "$(uname -m)" ]; then
  compiler=$processor-linux-gnu-gcc
  toolchain=$(realpath "$(dirname "$0")/../../cmake/$processor-linux-gnu.cmake")
fi

source "$(dirname "$0")/../source-packages.sh"
versions=$(source_versions "${sources[@]}")
# A fix of SDL's own, for a system with libX11 and libXext alone (the patch says why).
fix=$(dirname "$0")/sdl-warp-without-xinput2.patch
open_prefix linux-$processor${2:+-$2} "$versions
$(cat "$0" "$fix" "$(dirname "$0")/../source-packages.sh" $toolchain)
$($compiler --version | head -1)"
jobs=$(nproc)

# build SOURCE_FOLDER CMAKE_OPTIONS...: a static release build installed into the prefix.
build() {
  local src=$1
  shift
  cmake -S "$src" -B "$src/build-linux" ${toolchain:+-DCMAKE_TOOLCHAIN_FILE="$toolchain"} \
    -DQUORAX_PORTABLE_PREFIX="$building" -DCMAKE_PREFIX_PATH="$building" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=ON "$@"
  cmake --build "$src/build-linux" -j"$jobs"
  DESTDIR=$work/stage cmake --install "$src/build-linux" --strip
}

# Every back end opened at run time; those no player needs left out, so that nothing is linked in
# that a bare system lacks.
sdl=$(fetch libsdl2)
patch -p1 -d "$sdl" <"$fix"
build "$sdl" -DSDL_SHARED=$shared_sdl -DSDL_STATIC=$static_sdl -DSDL_TEST=OFF -DSDL_DEPS_SHARED=ON \
  -DSDL_X11=ON -DSDL_X11_SHARED=ON -DSDL_WAYLAND=ON -DSDL_WAYLAND_SHARED=ON \
  -DSDL_WAYLAND_LIBDECOR=ON -DSDL_WAYLAND_LIBDECOR_SHARED=ON -DSDL_KMSDRM=ON -DSDL_KMSDRM_SHARED=ON \
  -DSDL_PIPEWIRE=ON -DSDL_PIPEWIRE_SHARED=ON -DSDL_PULSEAUDIO=ON -DSDL_PULSEAUDIO_SHARED=ON \
  -DSDL_ALSA=ON -DSDL_ALSA_SHARED=ON -DSDL_JACK=OFF -DSDL_SNDIO=OFF -DSDL_ESD=OFF -DSDL_ARTS=OFF \
  -DSDL_NAS=OFF -DSDL_LIBSAMPLERATE=OFF -DSDL_HIDAPI_LIBUSB=OFF -DSDL_RPATH=OFF
licence SDL2 "$sdl/LICENSE.txt"

build_sdl_companions

close_prefix "$versions"

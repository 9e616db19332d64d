#!/usr/bin/env bash
# Cross-builds SDL2, SDL2_mixer, SDL2_ttf and FreeType for 64-bit Windows from Debian's own source
# packages into a cached prefix, and prints that prefix's path on stdout (the build's log goes to
# stderr). The cache lies outside the build tree, keyed by the source packages' versions and by this
# script and the toolchain file, so a changed recipe or a Debian update builds afresh and anything
# else takes seconds. QUORAX_CACHE overrides the cache folder. Needs a deb-src entry and the MinGW
# packages (tools/install-packages.sh --windows).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
toolchain=$top/cmake/mingw-w64.cmake
sources=(libsdl2 libsdl2-mixer libsdl2-ttf freetype)

source "$(dirname "$0")/../source-packages.sh"
versions=$(source_versions "${sources[@]}")
open_prefix windows "$versions
$(cat "$0" "$toolchain")"
jobs=$(nproc)

# build SOURCE_FOLDER CMAKE_OPTIONS...: a release build installed into the prefix.
build() {
  local src=$1
  shift
  cmake -S "$src" -B "$src/build-windows" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQUORAX_WINDOWS_PREFIX="$building" -DCMAKE_PREFIX_PATH="$building" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_SHARED_LINKER_FLAGS=-static-libgcc "$@"
  cmake --build "$src/build-windows" -j"$jobs"
  DESTDIR=$work/stage cmake --install "$src/build-windows"
}

sdl=$(fetch libsdl2)
build "$sdl" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
licence SDL2 "$sdl/LICENSE.txt"

# FreeType is linked into SDL2_ttf.dll: no compression or shaping libraries, fonts are plain TTF.
freetype=$(fetch freetype)
build "$freetype" -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
  -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
licence FreeType "$freetype/LICENSE.TXT" "$freetype/docs/FTL.TXT"

# SDL2_ttf on that FreeType, without HarfBuzz: the status line is plain left-to-right text.
ttf=$(fetch libsdl2-ttf)
build "$ttf" -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF
licence SDL2_ttf "$ttf/LICENSE.txt"

# SDL2_mixer plays WAVE sounds and Ogg Vorbis music through its own bundled decoder; nothing else.
mixer=$(fetch libsdl2-mixer)
build "$mixer" -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_WAVE=ON \
  -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
  -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_CMD=OFF
licence SDL2_mixer "$mixer/LICENSE.txt"

close_prefix "$versions"

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
$(cat "$0" "$toolchain" "$(dirname "$0")/../source-packages.sh")"
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

build_sdl_companions

close_prefix "$versions"

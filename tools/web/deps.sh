#!/usr/bin/env bash
# Builds SDL2, SDL2_mixer, SDL2_ttf and FreeType for the browser (WebAssembly, with Debian's
# Emscripten) from Debian's own source packages into a cached prefix, and prints that prefix's path
# on stdout (the build's log goes to stderr). The cache lies outside the build tree, keyed by the
# source packages' versions, this script and the compiler's version, so a changed recipe or a
# Debian update builds afresh and anything else takes a second. QUORAX_CACHE overrides the cache
# folder. Needs a deb-src entry and Emscripten (tools/install-packages.sh --web).
#
# SDL's and SDL2_mixer's own build scripts spend minutes testing the compiler; for Emscripten SDL
# ships a fixed configuration header (SDL_config_emscripten.h), so their sources are compiled
# straight against it, which takes a minute or two.
set -euo pipefail
sources=(libsdl2 libsdl2-mixer libsdl2-ttf freetype)
# Debian's emcc finds the JavaScript parser it runs under the machine's node here.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

source "$(dirname "$0")/../source-packages.sh"
versions=$(source_versions "${sources[@]}")
open_prefix web "$versions
$(emcc --version | head -1)
$(cat "$0")"
mkdir -p "$building/include/SDL2"
jobs=$(nproc)

# archive NAME FLAGS... -- SOURCES...: compiles the sources in parallel into lib$variant/libNAME.a.
archive() {
  local name=$1 flags=()
  shift
  while [ "$1" != -- ]; do
    flags+=("$1")
    shift
  done
  shift
  local objects=$work/objects$variant/$name
  mkdir -p "$objects" "$building/lib$variant"
  printf '%s\n' "$@" | xargs -P "$jobs" -I{} sh -c \
    'emcc -O2 "$@" -c "{}" -o "$0/$(echo "{}" | md5sum | cut -c1-12).o"' "$objects" "${variant_flags[@]}" "${flags[@]}"
  emar rcs "$building/lib$variant/lib$name.a" "$objects"/*.o
}

sdl=$(fetch libsdl2)
freetype=$(fetch freetype)
ttf=$(fetch libsdl2-ttf)
mixer=$(fetch libsdl2-mixer)
cp "$sdl"/include/*.h "$ttf/SDL_ttf.h" "$mixer/include/SDL_mixer.h" "$building/include/SDL2/"
licence SDL2 "$sdl/LICENSE.txt"
licence FreeType "$freetype/LICENSE.TXT" "$freetype/docs/FTL.TXT"
licence SDL2_ttf "$ttf/LICENSE.txt"
licence SDL2_mixer "$mixer/LICENSE.txt"

folders=(atomic audio audio/disk audio/dummy audio/emscripten cpuinfo dynapi events file
  filesystem/emscripten haptic haptic/dummy hidapi joystick joystick/emscripten joystick/virtual libm
  loadso/dlopen locale locale/emscripten misc misc/emscripten power power/emscripten render
  render/opengles2 render/software sensor sensor/dummy stdlib thread timer timer/unix video video/dummy
  video/emscripten video/yuv2rgb)
sdl_sources=("$sdl"/src/*.c)
for folder in "${folders[@]}"; do
  sdl_sources+=("$sdl/src/$folder"/*.c)
done

# Two sets: lib/ for the page, which runs on the browser's one thread, and lib/threads/ for the
# simulator under node, where SDL's silent audio device needs a thread of its own, as on the desktop.
for variant in "" /threads; do
  variant_flags=()
  threads=("$sdl"/src/thread/generic/*.c)
  if [ -n "$variant" ]; then
    variant_flags=(-pthread)
    threads=("$sdl"/src/thread/pthread/*.c)
  fi

  # The dummy video driver lets the simulator run under node, where there is no canvas.
  archive SDL2 -I"$sdl/include" -idirafter "$sdl/src/video/khronos" -DSDL_VIDEO_DRIVER_DUMMY=1 \
    -- "${sdl_sources[@]}" "${threads[@]}"

  # FreeType through its own CMake build: plain TrueType fonts, no compression or shaping libraries.
  emcmake cmake -S "$freetype" -B "$work/freetype$variant" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="${variant_flags[*]}" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR="lib$variant" \
    -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
  cmake --build "$work/freetype$variant" -j"$jobs"
  DESTDIR=$work/stage cmake --install "$work/freetype$variant"

  # SDL2_ttf on that FreeType, without HarfBuzz: the status line is plain left-to-right text.
  archive SDL2_ttf -I"$building/include/SDL2" -I"$building/include/freetype2" -- "$ttf/SDL_ttf.c"

  # SDL2_mixer plays WAVE sounds and Ogg Vorbis music through its own bundled decoder; nothing else.
  archive SDL2_mixer -I"$building/include/SDL2" -I"$mixer/src" -I"$mixer/src/codecs" \
    -DMUSIC_WAV -DMUSIC_OGG -DOGG_USE_STB -- "$mixer"/src/*.c "$mixer"/src/codecs/*.c
done

close_prefix "$versions"

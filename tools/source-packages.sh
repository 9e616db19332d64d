# Sourced by the scripts that build libraries from Debian's own source packages into a prefix kept
# outside the build tree (tools/windows/deps.sh, tools/web/deps.sh, tools/linux/deps.sh).

# source_versions PACKAGES...: the names of the .dsc files apt would fetch now, which carry the
# exact versions; fails when apt does not know their sources (no deb-src entry).
source_versions() {
  local versions
  versions=$(apt-get source --print-uris "$@" 2>/dev/null | grep -o "[^ ']*\.dsc " | sort)
  if [ "$(echo "$versions" | wc -l)" != $# ]; then
    echo "$(basename "$0"): apt cannot find the source packages $*; is there a deb-src entry?" >&2
    return 1
  fi
  echo "$versions"
}

# cache_folder: where the prefixes are kept: QUORAX_CACHE, or quorax/ in the user's cache folder.
cache_folder() { echo "${QUORAX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorax}"; }

# fetch PACKAGE: unpacks Debian's source package (with Debian's patches) into $work/PACKAGE and
# prints its folder.
fetch() {
  mkdir "$work/$1"
  (cd "$work/$1" && apt-get source -q "$1" >&2) || return 1
  find "$work/$1" -mindepth 1 -maxdepth 1 -type d
}

# open_prefix NAME KEY_TEXT: sets prefix, the folder NAME-<hash of KEY_TEXT> in the cache folder.
# When that prefix is complete, prints its path and ends the script. Otherwise sets work, a
# temporary folder removed at exit, and building, a staging copy of the prefix's path in it (files
# installed there already name the prefix when it is moved in place); the output goes to stderr,
# with stdout kept as descriptor 3 for the prefix's path.
open_prefix() {
  prefix=$(cache_folder)/$1-$(echo "$2" | sha256sum | cut -c1-16)
  if [ -f "$prefix/done" ]; then
    echo "$prefix"
    exit 0
  fi
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  exec 3>&1 1>&2
  echo "$(basename "$0"): building the libraries into $prefix"
  building=$work/stage$prefix
  mkdir -p "$building" "$(dirname "$prefix")"
}

# close_prefix KEY_TEXT: marks the staged prefix complete, moves it in place and prints its path.
close_prefix() {
  echo "$1" >"$building/done"
  rm -rf "$prefix"
  mv "$building" "$prefix"
  echo "$prefix" >&3
}

# licence NAME FILES...: keeps a library's licence texts in the prefix, under licenses/NAME/.
licence() {
  local name=$1
  shift
  mkdir -p "$building/licenses/$name"
  cp "$@" "$building/licenses/$name/"
}

# build_sdl_companions: FreeType, SDL2_ttf on it and SDL2_mixer, made alike for every system that
# builds them with CMake, through the calling script's own `build SOURCE_FOLDER CMAKE_OPTIONS...`;
# their licence texts kept. Whether the two SDL libraries come out shared or static is the caller's
# build's choice (BUILD_SHARED_LIBS); FreeType is always linked into SDL2_ttf.
build_sdl_companions() {
  local freetype ttf mixer
  # No compression or shaping libraries: the font is plain TTF.
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
}

# Sourced by the handheld build (tools/arm64/handheld.sh): a Debian 11 for this machine, whose C
# library (2.31) and compiler (GCC 10) are old enough for the handhelds' systems (2.30), with its
# arm64 cross compiler, the arm64 development packages of SDL's back ends, and a deb-src entry for
# the archive this machine builds its libraries from. Made once and cached; the builds run in it.
source "$(dirname "${BASH_SOURCE[0]}")/../linux/bare-system.sh"

build_tools=(crossbuild-essential-arm64 cmake make pkg-config dpkg-dev patch xz-utils
  wayland-protocols libwayland-bin)
# SDL's CMake leaves out, without a word, every back end whose headers it does not find. Debian 11
# has no libdecor: under Wayland the game's window then has the compositor's decorations or none.
sdl_back_ends=(libx11-dev libxext-dev libxcursor-dev libxi-dev libxrandr-dev libxfixes-dev
  libxss-dev libxkbcommon-dev libwayland-dev libdrm-dev libgbm-dev libegl-dev libgles-dev
  libpipewire-0.3-dev libpulse-dev libasound2-dev libudev-dev libdbus-1-dev)

# build_system: the path of that system, made on first use (a few minutes), then reused.
build_system() {
  local base system sources
  base=$(bare_system bullseye amd64 "$(IFS=,; echo "${build_tools[*]}")")
  sources=$(grep -rhs -A3 '^Types: deb-src' /etc/apt/sources.list.d/ || true)
  system=$(cache_folder)/build-bullseye-arm64-$(echo "$base ${sdl_back_ends[*]} $sources" | sha256sum | cut -c1-12)
  if [ ! -f "$system/.complete" ]; then
    echo "making the Debian 11 build system in $system" >&2
    rm -rf "$system.partial"
    cp -a "$base" "$system.partial"
    cp /etc/apt/sources.list.d/quorax-deb-src.* "$system.partial/etc/apt/sources.list.d/"
    chroot "$system.partial" dpkg --add-architecture arm64
    in_system "$system.partial" sh -c "apt-get update -q && DEBIAN_FRONTEND=noninteractive \
      apt-get install -q -y --no-install-recommends ${sdl_back_ends[*]/%/:arm64} && apt-get clean" >&2
    touch "$system.partial/.complete"
    rm -rf "$system"
    mv "$system.partial" "$system"
  fi
  echo "$system"
}

# in_system SYSTEM COMMAND...: runs COMMAND in SYSTEM as root, with /proc, /tmp, this machine's
# font, the cache folder and the folders named in SHARED (space-separated) at the same paths as
# here. The mounts are made in a mount namespace of the command's own, so none outlives it.
in_system() {
  local system=$1 cache
  shift
  cache=$(cache_folder)
  unshare --mount --propagation private /bin/bash -c '
    set -e
    system=$1 cache=$2
    shift 2
    for folder in /tmp /usr/share/fonts/truetype/dejavu /usr/share/doc/fonts-dejavu-core "$cache" $SHARED; do
      mkdir -p "$folder" "$system$folder"
      mount --bind "$folder" "$system$folder"
    done
    mount -t proc proc "$system/proc"
    exec chroot "$system" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
      QUORAX_CACHE="$cache" "$@"
  ' in_system "$system" "$cache" "$@"
}

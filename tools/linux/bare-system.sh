# Sourced by the tests that run a build in a bare Debian, one with nothing of the game's libraries:
# made once with debootstrap and kept in the cache folder, each test then on a fresh copy.
source "$(dirname "${BASH_SOURCE[0]}")/../source-packages.sh"

# The archive this machine installs from.
archive_uri() {
  sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1 |
    grep . || sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' /etc/apt/sources.list | head -1
}

# bare_system SUITE ARCH [PACKAGES]: the path of a bare Debian SUITE for ARCH (debootstrap's
# minbase: the C library, the C++ runtime, apt and a shell) with PACKAGES (comma-separated) added.
# Made on first use (half a minute for the build machine's processor), then reused.
bare_system() {
  local suite=$1 arch=$2 packages=${3:-} base
  base=$(cache_folder)/bare-$suite-$arch-$(echo "$packages $(dpkg-query -W -f='${Version}' debootstrap)" |
    sha256sum | cut -c1-12)
  if [ ! -f "$base/.complete" ]; then
    rm -rf "$base.partial"
    mkdir -p "$(dirname "$base")"
    echo "making a bare Debian $suite for $arch in $base" >&2
    debootstrap --arch="$arch" --variant=minbase ${packages:+--include="$packages"} \
      "$suite" "$base.partial" "$(archive_uri)" >&2
    chroot "$base.partial" apt-get clean
    touch "$base.partial/.complete"
    rm -rf "$base"
    mv "$base.partial" "$base"
  fi
  echo "$base"
}

# enter_copy BASE COPY: COPY, a fresh copy of the bare system BASE, with /proc mounted and the
# X server's socket folder bind-mounted, so that programs inside reach the host's X server.
enter_copy() {
  cp -a "$1" "$2"
  mount -t proc proc "$2/proc"
  mkdir -p "$2/tmp/.X11-unix"
  mount --bind /tmp/.X11-unix "$2/tmp/.X11-unix"
}

# leave_copy COPY: unmounts what enter_copy mounted and removes the copy; never removes a copy
# still holding a mount (the host's X sockets would go with it).
leave_copy() {
  [ -d "$1" ] || return 0
  local point
  for point in "$1/tmp/.X11-unix" "$1/proc"; do
    if mountpoint -q "$point"; then umount "$point" || umount -l "$point"; fi
  done
  if mountpoint -q "$1/tmp/.X11-unix" || mountpoint -q "$1/proc"; then
    echo "leave_copy: $1 is still mounted; it stays" >&2
    return 1
  fi
  rm -rf "$1"
}

#!/usr/bin/env bash
# The portable Linux folder: builds it (tools/linux/portable.sh, with the data files of the native
# build QUORAX_NATIVE_BUILD), checks every ELF in it against the C library's set and version
# 2.34, its menu entry script, the portable quorax-sim on the four winning replays (each frame's
# state as the native quorax-sim prints it), and plays it in a bare Debian 12 and a bare Debian 13
# (made once and cached), once with LD_LIBRARY_PATH naming Debian's own SDL. Run as root.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-packages.sh --linux
repo=$(pwd)
native=$(realpath -m "${QUORAX_NATIVE_BUILD:-build-native}")
tarball=$repo/$(QUORAX_NATIVE_BUILD=$native bash tools/linux/portable.sh | tail -1)
sim=$repo/build-portable/bin/quorax-sim
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "linux: $1" >&2; exit 1; }

echo "linux: $(basename "$tarball"), $(stat -c %s "$tarball") bytes, $(tar tzf "$tarball" | grep -vc '/$') files"
tar xzf "$tarball" -C "$work"
folder=$(ls -d "$work"/quorax-*)
[ "$(head -c 4 "$folder/quorax" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "quorax at the folder's top is no ELF program"
bash tools/linux/elf-check.sh "$folder" 2.34
bash tools/linux/elf-check.sh "$(dirname "$sim")" 2.34 | tail -1

# The menu entry names the folder where it is, even one with a space in its name, and is valid.
mv "$folder" "$work/my games"
folder="$work/my games"
HOME=$work/home XDG_DATA_HOME='' sh "$folder/install-menu-entry.sh" >/dev/null
entry=$work/home/.local/share/applications/org.quorax.quorax.desktop
desktop-file-validate "$entry" || fail "the menu entry is not valid"
grep -qxF "Exec=\"$folder/quorax\"" "$entry" || fail "the menu entry does not start $folder/quorax: $(grep Exec "$entry")"
HOME=$work/home XDG_DATA_HOME='' sh "$folder/install-menu-entry.sh" --remove >/dev/null
[ ! -e "$entry" ] || fail "--remove left the menu entry"
echo "linux: install-menu-entry.sh writes a valid entry for the folder where it is, and --remove takes it away"

portable_sim() { (cd "$(dirname "$sim")" && ./quorax-sim --trace "$1"); }
source tools/same-replays.sh
same_replays portable "$native" "$work" portable_sim

source tools/linux/bare-system.sh
bookworm=$(bare_system bookworm amd64 libx11-6,libxext6)
trixie=$(bare_system trixie amd64 libx11-6,libxext6)
debian_sdl=$(dirname "$(realpath /usr/lib/x86_64-linux-gnu/libSDL2-2.0.so.0)")
# -ac: the programs inside the bare systems have no X authority file.
play() { xvfb-run -a -s '-ac -screen 0 1024x768x24' bash tools/linux/play-test.sh "$@"; }
play "$bookworm" "$tarball" "$sim" portable-debian12 "$repo/build-portable"
play "$bookworm" "$tarball" "$sim" portable-debian12-ld-library-path "$repo/build-portable" --other-sdl "$debian_sdl"
play "$trixie" "$tarball" "$sim" portable-debian13 "$repo/build-portable"
play "$trixie" "$tarball" "$sim" portable-debian13-sound "$repo/build-portable" --disk-sound

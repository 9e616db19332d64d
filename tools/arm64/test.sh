#!/usr/bin/env bash
# The arm64 builds (tools/arm64/package.sh, with the data files of the native build
# QUORAX_NATIVE_BUILD) tested under qemu's user-mode emulator: the cross-built GoogleTest programs
# through CTest, the quorax-sim of each build on the four winning replays (each frame's state as
# the native quorax-sim prints it), every ELF of the portable folder against the C library's set
# and GLIBC_2.34 and of the handheld zip against GLIBC_2.30, the handheld launcher through bash -n
# and shellcheck, and, in bare arm64 Debian 11, 12 and 13 (made once and cached, each test on a
# fresh copy): the package installed with apt-get and played in 12 and 13, the portable folder
# played in 12, and the handheld zip played through its launcher in 11. Run as root.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-packages.sh --arm64
repo=$(pwd)
native=$(realpath -m "${QUORAX_NATIVE_BUILD:-build-native}")
made=$(QUORAX_NATIVE_BUILD=$native bash tools/arm64/package.sh | tail -3)
deb=$repo/$(sed -n 1p <<<"$made") tarball=$repo/$(sed -n 2p <<<"$made") zip=$repo/$(sed -n 3p <<<"$made")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "arm64: $1" >&2; exit 1; }
source tools/arm64/emulator.sh
arm64_programs_run
for artifact in "$deb" "$tarball" "$zip"; do echo "arm64: $(basename "$artifact"), $(stat -c %s "$artifact") bytes"; done

cmake --build build-arm64/debian -j"$(nproc)"
(cd build-arm64/debian && ctest --output-on-failure -j"$(nproc)")
echo "arm64: every cross-built GoogleTest program passed under qemu"

source tools/same-replays.sh
for build in debian portable handheld; do
  sim() { (cd "build-arm64/$build/bin" && ./quorax-sim --trace "$1"); }
  same_replays "arm64 $build" "$native" "$work" sim
done

tar xzf "$tarball" -C "$work"
folder=$(ls -d "$work"/quorax-*)
readelf -h "$folder/quorax" | grep -q 'Machine:.*AArch64' || fail "the portable quorax is not an arm64 program"
export OBJDUMP=aarch64-linux-gnu-objdump
bash tools/linux/elf-check.sh "$folder" 2.34
bash tools/linux/elf-check.sh build-arm64/portable/bin 2.34 | tail -1

unzip -q "$zip" -d "$work/handheld"
launcher=$work/handheld/Quorax.sh
if [ ! -x "$launcher" ] || [ ! -f "$work/handheld/quorax/README.txt" ]; then
  fail "the handheld zip lacks its launcher or README.txt"
fi
readelf -h "$work/handheld/quorax/quorax" | grep -q 'Machine:.*AArch64' || fail "the handheld quorax is not an arm64 program"
bash tools/linux/elf-check.sh "$work/handheld/quorax" 2.30 lib
if ! bash -n "$launcher" || ! shellcheck "$launcher"; then fail "the launcher does not pass bash -n and shellcheck"; fi
echo "arm64: the handheld launcher passes bash -n and shellcheck"

source tools/linux/bare-system.sh
bookworm=$(bare_system bookworm arm64 libx11-6,libxext6)
trixie=$(bare_system trixie arm64 libx11-6,libxext6)
bullseye=$(bare_system bullseye arm64 libx11-6,libxext6)
play() { xvfb-run -a -s '-ac -screen 0 1024x768x24' bash tools/linux/play-test.sh "$@"; }
play "$bookworm" "$deb" '' arm64-package-debian12 "$repo/build-arm64"
play "$trixie" "$deb" '' arm64-package-debian13 "$repo/build-arm64"
play "$bookworm" "$tarball" "$repo/build-arm64/portable/bin/quorax-sim" arm64-portable-debian12 "$repo/build-arm64"
play "$bullseye" "$zip" '' arm64-handheld-debian11 "$repo/build-arm64"

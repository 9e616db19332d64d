#!/usr/bin/env bash
# The arm64 downloads from a fresh clone in one command (as root), left in build-arm64/ and their
# paths printed last, in this order: quorax_<version>_arm64.deb, the Debian package built against
# Debian's arm64 libraries (in build-arm64/debian/, with the test programs configured beside it);
# quorax-<version>-linux-arm64.tar.gz, the portable folder with its static libraries (in
# build-arm64/portable/); both cross-built with Debian 12's compiler; and
# quorax-<version>-handheld-arm64.zip, the handhelds' folder and launcher, built in Debian 11
# (tools/arm64/handheld.sh, in build-arm64/handheld/). All take the data files of the native build
# (QUORAX_NATIVE_BUILD, by default build-native/, made when they are missing).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-packages.sh --arm64
deb=$(bash tools/package.sh arm64 build-arm64/debian | tail -1)
tarball=$(bash tools/linux/portable.sh aarch64 build-arm64/portable | tail -1)
zip=$(bash tools/arm64/handheld.sh build-arm64/handheld | tail -1)
cp "$deb" "$tarball" "$zip" build-arm64/
for made in "$deb" "$tarball" "$zip"; do echo "build-arm64/$(basename "$made")"; done

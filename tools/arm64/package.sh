#!/usr/bin/env bash
# The arm64 downloads from a fresh clone in one command (as root), left in build-arm64/ and their
# paths printed last, the package first: quorax_<version>_arm64.deb, the Debian package built against Debian's arm64
# libraries (in build-arm64/debian/, with the test programs configured beside it), and
# quorax-<version>-linux-arm64.tar.gz, the portable folder with its static libraries (in
# build-arm64/portable/). Both are cross-built with Debian's compiler, with the data files of the
# native build (QUORAX_NATIVE_BUILD, by default build-native/, made when they are missing).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-packages.sh --arm64
deb=$(bash tools/package.sh arm64 build-arm64/debian | tail -1)
tarball=$(bash tools/linux/portable.sh aarch64 build-arm64/portable | tail -1)
cp "$deb" "$tarball" build-arm64/
echo "build-arm64/$(basename "$deb")"
echo "build-arm64/$(basename "$tarball")"

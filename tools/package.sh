#!/usr/bin/env bash
# Builds the Debian package in build-package/ with Debian's hardening flags, checks it with
# lintian (errors fail, warnings are shown) and prints the package's path on the last line.
# "package.sh ARCH BUILD_FOLDER" cross-builds the package for Debian's architecture ARCH (arm64,
# as tools/arm64/package.sh does) in BUILD_FOLDER, against Debian's libraries for ARCH, with the
# data files of the native build (QUORAX_NATIVE_BUILD) and the test programs configured beside it
# for tools/arm64/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:-} build=${2:-build-package}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cross=(-DBUILD_TESTING=OFF) targets=(quorax icons packaging_files)
if [ -n "$arch" ]; then
  bash tools/install-packages.sh --"$arch" >&2
  # dpkg-buildflags then gives that processor's flags, and dpkg-shlibdeps reads its libraries.
  triplet=$(dpkg-architecture -a"$arch" -qDEB_HOST_GNU_TYPE 2>/dev/null)
  eval "$(CC=$triplet-gcc dpkg-architecture -a"$arch" -s)"
  source tools/build-steps.sh
  native_data >&2
  cross=("-DCMAKE_TOOLCHAIN_FILE=cmake/$triplet.cmake" -DQUORAX_NATIVE_BUILD="$native" -DBUILD_TESTING=ON)
  # The icons are the native build's.
  targets=(quorax packaging_files)
else
  bash tools/install-packages.sh --tests >&2
fi
eval "$(dpkg-buildflags --export=sh)"
{
  # Given on every run, not only the first: CMake reads CXXFLAGS once and no CPPFLAGS at all.
  cmake -S . -B "$build" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
  # Only what is installed: the developer tools stay unbuilt. Every file the game reads is built
  # with the quorax target, as tools/play.sh relies on too.
  cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
  rm -f "$build"/quorax_*.deb
  (cd "$build" && cpack -G DEB)
} >&2
deb=$(ls "$build"/quorax_*.deb)
lintian --fail-on error --display-info "$deb" >&2
echo "$deb"

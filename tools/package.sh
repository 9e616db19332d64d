#!/usr/bin/env bash
# Builds the Debian package in build-package/ with Debian's hardening flags, checks it with
# lintian (errors fail, warnings are shown) and prints the package's path on the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh --tests >&2
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
{
  # Given on every run, not only the first: CMake reads CXXFLAGS once and no CPPFLAGS at all.
  cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
  # Only what is installed: the developer tools stay unbuilt. Every file the game reads is built
  # with the quorax target, as tools/play.sh relies on too.
  cmake --build build-package -j"$(nproc)" --target quorax icons packaging_files
  rm -f build-package/quorax_*.deb
  (cd build-package && cpack -G DEB)
} >&2
deb=$(ls build-package/quorax_*.deb)
lintian --fail-on error --display-info "$deb" >&2
echo "$deb"

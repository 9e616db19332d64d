#!/usr/bin/env bash
# The portable Linux folder from a fresh clone in one command (as root): installs the packages,
# makes the native data files when they are missing (QUORAX_NATIVE_BUILD, by default
# build-native/), builds or reuses the cached static libraries, builds the game and quorax-sim in
# build-portable/, and leaves build-portable/quorax-<version>-linux-<processor>.tar.gz, whose path
# it prints last.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-packages.sh --linux
jobs=$(nproc)
source tools/build-steps.sh
native_data
libraries linux tools/linux/deps.sh
# CMake keeps the libraries it found in its cache: a new prefix (a changed recipe) configures afresh.
grep -qxF "QUORAX_PORTABLE_PREFIX:PATH=$prefix" build-portable/CMakeCache.txt 2>/dev/null ||
  rm -f build-portable/CMakeCache.txt
cmake -S . -B build-portable -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DQUORAX_PORTABLE=ON \
  -DQUORAX_PORTABLE_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DQUORAX_NATIVE_BUILD="$native"
cmake --build build-portable -j"$jobs" --target quorax quorax-sim
cmake --build build-portable --target tarball
ls build-portable/quorax-*-linux-*.tar.gz

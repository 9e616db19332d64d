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
native=$(realpath -m "${QUORAX_NATIVE_BUILD:-build-native}")

# The generators run on this machine only: their files are made by a native build.
[ -f "$native/CMakeCache.txt" ] || cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$native" -j"$jobs" --target assets music icons

started=$SECONDS
prefix=$(bash tools/linux/deps.sh)
echo "linux: the libraries in $prefix, ready after $((SECONDS - started)) s"
# CMake keeps the libraries it found in its cache: a new prefix (a changed recipe) configures afresh.
grep -qxF "QUORAX_PORTABLE_PREFIX:PATH=$prefix" build-portable/CMakeCache.txt 2>/dev/null ||
  rm -f build-portable/CMakeCache.txt
cmake -S . -B build-portable -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DQUORAX_PORTABLE=ON \
  -DQUORAX_PORTABLE_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DQUORAX_NATIVE_BUILD="$native"
cmake --build build-portable -j"$jobs" --target quorax quorax-sim
cmake --build build-portable --target tarball
ls build-portable/quorax-*-linux-*.tar.gz

#!/usr/bin/env bash
# The portable Linux folder from a fresh clone in one command (as root): installs the packages,
# makes the native data files when they are missing (QUORAX_NATIVE_BUILD, by default
# build-native/), builds or reuses the cached static libraries, builds the game and quorax-sim in
# build-portable/, and leaves build-portable/quorax-<version>-linux-<processor>.tar.gz, whose path
# it prints last. "portable.sh PROCESSOR BUILD_FOLDER" cross-builds it for another processor
# (aarch64, as tools/arm64/package.sh does) in BUILD_FOLDER.
set -euo pipefail
cd "$(dirname "$0")/../.."
processor=${1:-$(uname -m)} build=${2:-build-portable}
cross=()
if [ "$processor" = "$(uname -m)" ]; then
  bash tools/install-packages.sh --linux
else
  bash tools/install-packages.sh --arm64
  cross=("-DCMAKE_TOOLCHAIN_FILE=cmake/$processor-linux-gnu.cmake")
fi
jobs=$(nproc)
source tools/build-steps.sh
native_data
libraries "linux $processor" tools/linux/deps.sh "$processor"
# CMake keeps the libraries it found in its cache: a new prefix (a changed recipe) configures afresh.
grep -qxF "QUORAX_PORTABLE_PREFIX:PATH=$prefix" "$build/CMakeCache.txt" 2>/dev/null ||
  rm -f "$build/CMakeCache.txt"
cmake -S . -B "$build" "${cross[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DQUORAX_PORTABLE=ON \
  -DQUORAX_PORTABLE_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DQUORAX_NATIVE_BUILD="$native"
cmake --build "$build" -j"$jobs" --target quorax quorax-sim
cmake --build "$build" --target tarball
ls "$build"/quorax-*-linux-*.tar.gz

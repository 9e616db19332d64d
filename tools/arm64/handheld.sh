#!/usr/bin/env bash
# The handheld zip (as root): quorax-<version>-handheld-arm64.zip in BUILD_FOLDER (by default
# build-arm64/handheld/), its path printed last, with quorax-sim built beside the program. The
# handhelds' systems have older C libraries (2.30) than Debian 12's compiler builds for, so the
# libraries and the game are built in a Debian 11 (tools/arm64/build-system.sh) with its arm64
# cross compiler, GCC 10, from the data files of the native build (QUORAX_NATIVE_BUILD, by default
# build-native/, made when they are missing).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-arm64/handheld}
source tools/build-steps.sh
native_data
source tools/arm64/build-system.sh
system=$(build_system)
repo=$(pwd)
export SHARED="$repo $native"

started=$SECONDS
prefix=$(in_system "$system" bash "$repo/tools/linux/deps.sh" aarch64 shared-sdl)
echo "handheld: the libraries in $prefix, ready after $((SECONDS - started)) s"
# CMake keeps the libraries it found in its cache: a new prefix (a changed recipe) configures afresh.
grep -qxF "QUORAX_PORTABLE_PREFIX:PATH=$prefix" "$build/CMakeCache.txt" 2>/dev/null ||
  rm -f "$build/CMakeCache.txt"
in_system "$system" /bin/sh -ec "cd '$repo'
  cmake -S . -B '$build' -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DQUORAX_PORTABLE=ON -DQUORAX_HANDHELD=ON \
    -DQUORAX_PORTABLE_PREFIX='$prefix' -DCMAKE_PREFIX_PATH='$prefix' -DQUORAX_NATIVE_BUILD='$native'
  cmake --build '$build' -j$(nproc) --target quorax quorax-sim
  cmake --build '$build' --target handheld_zip"
ls "$build"/quorax-*-handheld-arm64.zip

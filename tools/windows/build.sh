#!/usr/bin/env bash
# Cross-builds quorax.exe, quorax-sim.exe and the test programs for 64-bit Windows in
# build-windows/, with the data files of a native build (QUORAX_NATIVE_BUILD, by default
# build-native/, made here when its files are missing) and the libraries of tools/windows/deps.sh.
# Run from anywhere; needs tools/install-packages.sh --windows.
set -euo pipefail
cd "$(dirname "$0")/../.."
jobs=$(nproc)
native=$(realpath -m "${QUORAX_NATIVE_BUILD:-build-native}")

# The generators run on this machine only: their files are made by a native build.
[ -f "$native/CMakeCache.txt" ] || cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$native" -j"$jobs" --target assets music icons

started=$SECONDS
prefix=$(bash tools/windows/deps.sh)
echo "windows: the libraries in $prefix, ready after $((SECONDS - started)) s"
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORAX_WINDOWS_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DQUORAX_NATIVE_BUILD="$native" \
  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64
cmake --build build-windows -j"$jobs"

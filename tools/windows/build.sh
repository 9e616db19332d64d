#!/usr/bin/env bash
# Cross-builds quorax.exe, quorax-sim.exe and the test programs for 64-bit Windows in
# build-windows/, with the data files of a native build (QUORAX_NATIVE_BUILD, by default
# build-native/, made here when its files are missing) and the libraries of tools/windows/deps.sh.
# Run from anywhere; needs tools/install-packages.sh --windows.
set -euo pipefail
cd "$(dirname "$0")/../.."
jobs=$(nproc)
source tools/build-steps.sh
native_data
libraries windows tools/windows/deps.sh
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORAX_WINDOWS_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DQUORAX_NATIVE_BUILD="$native" \
  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64
cmake --build build-windows -j"$jobs"

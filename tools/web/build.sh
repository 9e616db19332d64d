#!/usr/bin/env bash
# Builds the web page in build-web/page/ (index.html, its manifest, icons and service worker,
# quorax.js, quorax.wasm.gz, quorax.data.gz) and the simulator for node
# (build-web-node/bin/quorax-sim.js), with the data files of a native build (QUORAX_NATIVE_BUILD,
# by default build-native/, made here when its files are missing) and the libraries of
# tools/web/deps.sh. Run from anywhere, as root on a fresh machine:
# it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-packages.sh --web
jobs=$(nproc)
export NODE_PATH=/usr/share/nodejs
source tools/build-steps.sh
native_data
libraries web tools/web/deps.sh
for node in OFF ON; do
  build=build-web
  [ $node = OFF ] || build=build-web-node
  cmake -S . -B $build -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DQUORAX_WEB_PREFIX="$prefix" -DQUORAX_NATIVE_BUILD="$native" -DQUORAX_WEB_NODE=$node
done
cmake --build build-web -j"$jobs"
cmake --build build-web-node -j"$jobs" --target quorax-sim
echo "web: the page is in $(pwd)/build-web/page"

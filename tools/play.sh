#!/usr/bin/env bash
# Installs the packages, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh
cmake -S . -B build -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target quorax
cd build/bin
exec ./quorax

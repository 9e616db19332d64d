#!/usr/bin/env bash
# The Windows zip from a fresh clone in one command (as root): installs the packages, makes the
# native data files when they are missing, builds or reuses the cached libraries, cross-builds,
# and leaves build-windows/quorax-<version>-win64.zip, whose path it prints last.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-packages.sh --windows
bash tools/windows/build.sh
cmake --build build-windows --target zip
ls build-windows/quorax-*-win64.zip

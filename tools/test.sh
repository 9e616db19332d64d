#!/usr/bin/env bash
# Builds the game and runs every test twice: in a plain build and under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh --tests
jobs=$(nproc)
run() {
  local dir=$1; shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs")
}
run build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUORAX_SANITIZE=ON
bash tools/fuzz.sh
bash tools/soak.sh
bash tools/package-test.sh

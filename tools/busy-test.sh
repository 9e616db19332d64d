#!/usr/bin/env bash
# The whole ctest of the plain and of the sanitizer build with two busy processes beside it, as on a
# machine that is compiling something else: every test that waits on real time must still pass.
#   busy-test.sh [RUNS]   (1 by default; each run prints its time)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1}
bash tools/install-packages.sh --tests
source tools/builds.sh
build_plain
build_sanitized
before=$(leftovers)

stress-ng --cpu 2 --quiet &
load=$!
trap 'kill $load 2>/dev/null || true' EXIT
for ((run = 1; run <= runs; run++)); do
  start=$SECONDS
  test_plain
  test_sanitized
  echo "busy-test: run $run of $runs green in $((SECONDS - start)) s beside stress-ng --cpu 2"
done
no_new_leftovers "$before"

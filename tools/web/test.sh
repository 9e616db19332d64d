#!/usr/bin/env bash
# The web build tested: quorax-sim under node on the four winning replays (every frame's state as
# the native quorax-sim prints it), the page's size, and the page played in headless Chromium
# (tools/web/page-test.mjs), on touch screens (phone-test.mjs) and as an installed app that plays
# offline and updates (install-test.mjs), their screenshots left in build-web/shots/. Run
# tools/web/build.sh first; QUORAX_NATIVE_BUILD names the native build it used.
set -euo pipefail
cd "$(dirname "$0")/../.."
# ImageMagick, which judges the screenshots, comes with the tests' packages.
bash tools/install-packages.sh --tests
native=$(realpath -m "${QUORAX_NATIVE_BUILD:-build-native}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

node_sim() { (cd build-web-node/bin && node --no-experimental-fetch quorax-sim.js --trace "$1"); }
source tools/same-replays.sh
same_replays web "$native" "$work" node_sim

# What a player downloads, before the server compresses it.
page=build-web/page
for file in "$page"/*; do
  printf 'web: %-22s %9d bytes\n' "$(basename "$file")" "$(stat -c %s "$file")"
done
total=$(cat "$page"/* | wc -c)
limit=$((8 * 1000 * 1000))
[ "$total" -le "$limit" ] || { echo "web: the page weighs $total bytes, more than $limit" >&2; exit 1; }
echo "web: the page weighs $total bytes in all (at most $limit)"

# Playwright, at the version its lock file pins, drives the machine's own Chromium.
(cd tools/web && npm ci --no-audit --no-fund --loglevel=error)
rm -rf build-web/shots
node tools/web/page-test.mjs "$page" build-web/shots
node tools/web/phone-test.mjs "$page" build-web/shots
# A second build, one file changed and its own service worker, for the test of the update.
cp -r "$page" "$work/second"
sed -i 's|<title>QUORAX</title>|&<meta name="quorax-build" content="second">|' "$work/second/index.html"
grep -q 'name="quorax-build"' "$work/second/index.html"
cmake -DPAGE="$work/second" -P packaging/web/service-worker.cmake
node tools/web/install-test.mjs "$page" "$work/second" build-web/shots

#!/usr/bin/env bash
# Builds the game and runs every test twice: in a plain build and under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzzers, the soak, the installed package, the Windows zip
# under Wine, the web page in headless Chromium, the portable Linux folder in bare Debian systems
# and the arm64 builds under qemu; fails if any of them leaves something in the temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh --tests
source tools/builds.sh
before=$(leftovers)
build_plain
test_plain
build_sanitized
test_sanitized
bash tools/fuzz.sh
bash tools/soak.sh
bash tools/package-test.sh
# The Windows build takes the plain build's data files.
QUORAX_NATIVE_BUILD=build-test bash tools/windows/package.sh
QUORAX_NATIVE_BUILD=build-test bash tools/windows/test.sh
# So does the web page.
QUORAX_NATIVE_BUILD=build-test bash tools/web/build.sh
QUORAX_NATIVE_BUILD=build-test bash tools/web/test.sh
# And the portable Linux folder.
QUORAX_NATIVE_BUILD=build-test bash tools/linux/test.sh
# And the arm64 package and portable folder.
QUORAX_NATIVE_BUILD=build-test bash tools/arm64/test.sh
no_new_leftovers "$before"

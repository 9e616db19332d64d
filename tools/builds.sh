# Sourced by tools/test.sh and tools/busy-test.sh: the two builds every test runs in, and their
# ctest runs. Run from the repository's top folder.
jobs=$(nproc)

# build DIR CMAKE_ARGS...: configures and builds everything in DIR.
build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j"$jobs"
}
build_plain() { build build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo; }
build_sanitized() { build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUORAX_SANITIZE=ON; }

test_plain() { (cd build-test && ctest --output-on-failure -j"$jobs"); }
test_sanitized() {
  (cd build-sanitize &&
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j"$jobs")
}

# What tests could leave in the temporary folder: scratch folders of their own and mktemp's.
leftovers() { (cd "${TMPDIR:-/tmp}" && ls -d quorax-* tmp.* 2>/dev/null | sort) || true; }
# no_new_leftovers BEFORE: fails, naming them, when folders have appeared since BEFORE was listed.
no_new_leftovers() {
  local new
  new=$(comm -13 <(echo "$1") <(leftovers))
  [ -z "$new" ] || { echo "the tests left these in ${TMPDIR:-/tmp}:"; echo "$new"; return 1; }
  echo "the tests left nothing in ${TMPDIR:-/tmp}"
}

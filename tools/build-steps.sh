# Sourced by the builds for other systems than this one (tools/windows/build.sh, tools/web/build.sh,
# tools/linux/portable.sh): the two steps they all take before building the game. Run from the
# repository's top folder.

# native_data: the generators run on this machine only, so the data files come from a native build:
# sets native to its folder (QUORAX_NATIVE_BUILD, by default build-native/) and makes the files
# there when they are missing.
native_data() {
  native=$(realpath -m "${QUORAX_NATIVE_BUILD:-build-native}")
  [ -f "$native/CMakeCache.txt" ] || cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
  cmake --build "$native" -j"$(nproc)" --target assets music icons
}

# libraries LABEL SCRIPT [ARGUMENTS...]: sets prefix to the folder of the libraries SCRIPT builds or
# finds cached, and says how long that took.
libraries() {
  local started=$SECONDS
  prefix=$(bash "${@:2}")
  echo "$1: the libraries in $prefix, ready after $((SECONDS - started)) s"
}

# Sourced by the tests of the builds for other systems (tools/windows/test.sh, tools/web/test.sh).

# same_replays LABEL NATIVE_BUILD WORK RUNNER: the same game on another compiler, C library and
# system must print, at every frame of the four winning replays, the state the native quorax-sim
# prints. RUNNER is a command that runs the other build's quorax-sim with --trace on the script
# whose path it is given, and prints the trace with plain LF line ends. Fails at the first
# replay that does not win or differs; WORK is a folder for the traces. Run from the top folder.
same_replays() {
  local label=$1 native=$2 work=$3 runner=$4 start script
  cmake --build "$native" --target quorax-sim
  for start in F1 F2 F3 F4; do
    script=$(pwd)/tests/replays/win_from_$start.script
    (cd "$native/bin" && ./quorax-sim --trace "$script") >"$work/native-$start"
    "$runner" "$script" >"$work/$label-$start"
    grep -q '^GameState=3$' "$work/$label-$start" || { echo "$label: the $start replay did not win" >&2; return 1; }
    cmp "$work/native-$start" "$work/$label-$start" ||
      { diff "$work/native-$start" "$work/$label-$start" | head -20 >&2; return 1; }
    echo "$label: the $start replay wins, $(wc -l <"$work/native-$start") lines of state as on Linux"
  done
}

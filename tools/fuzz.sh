#!/usr/bin/env bash
# Fuzzes the readers of files from outside (pictures, sounds, the palette) with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer, each for QUORAX_FUZZ_SECONDS (30) seconds,
# starting from the generated game files and hand-made edge files. Builds with clang in a folder
# of its own. A crash, leak, sanitizer report or hang fails, and the failing input is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${QUORAX_FUZZ_SECONDS:-30}
dir=build-fuzz
cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORAX_SANITIZE=ON -DQUORAX_FUZZ=ON
cmake --build "$dir" -j"$(nproc)" \
  --target quorax-fuzz-bitmap quorax-fuzz-wave quorax-fuzz-palette quorax-fuzz-seeds assets

work=$dir/fuzz/run
rm -rf "$work"
mkdir -p "$work/artifacts"
"$dir/fuzz/quorax-fuzz-seeds" "$work/corpus"
cp "$dir"/bin/*.BMP "$dir"/bin/*.bmp "$work/corpus/bitmap/"
cp "$dir"/bin/*.wav "$work/corpus/wave/"
cp "$dir"/bin/PALDATA2.PAL "$work/corpus/palette/"

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
fuzz() {
  local name=$1; shift
  local log=$work/$name.log
  echo "== fuzzing the $name reader for $seconds s"
  if "$dir/fuzz/quorax-fuzz-$name" -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
      -artifact_prefix="$work/artifacts/$name-" "$@" "$work/corpus/$name" >"$log" 2>&1; then
    grep -E "^#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb" "$log" || true
  else
    failed=1
    tail -n 80 "$log"
    for input in "$work/artifacts/$name-"*; do
      [ -e "$input" ] || continue
      echo "-- the input that failed ($input), $(stat -c %s "$input") bytes:"
      od -A d -t x1 -v "$input" | head -n 400
    done
  fi
}
fuzz bitmap -max_len=70000
fuzz wave
fuzz palette
exit $failed

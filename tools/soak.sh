#!/usr/bin/env bash
# Soak: a seeded random key script of 20,000 frames (holds of 1 to 60 frames of play keys, now and
# then Enter or F1-F4, so that play passes through deaths, the title and new games) run by
# quorax-sim in the plain and in the sanitizer build, which tools/test.sh has just built. Fails on
# a sanitizer report, or when the two builds do not end in the same printed state.
#   soak.sh [SEED] [PLAIN_BUILD] [SANITIZER_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
seed=${1:-10}
plain=${2:-build-test}
sanitized=${3:-build-sanitize}
frames=20000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# bash's own generator, seeded: the same script for every run with this seed.
RANDOM=$seed
# Right more often than the rest, so that play goes forward to enemies, pits and bosses.
play_keys=(RIGHT RIGHT RIGHT LEFT UP UP DOWN SPACE RALT)
menu_keys=(RETURN F1 F2 F3 F4)
left=$frames
{
  echo "# soak, seed $seed"
  while [ $left -gt 0 ]; do
    if [ $((RANDOM % 20)) -eq 0 ]; then
      line="$((RANDOM % 3 + 1)) ${menu_keys[RANDOM % 5]}"
    else
      line="$((RANDOM % 60 + 1))"
      # Counted here, not in a $(...) subshell, which would draw from a generator of its own.
      keys=$((RANDOM % 4))
      for ((k = 0; k < keys; k++)); do line+=" ${play_keys[RANDOM % ${#play_keys[@]}]}"; done
    fi
    count=${line%% *}
    [ "$count" -le $left ] || line="$left${line#$count}"
    left=$((left - ${line%% *}))
    echo "$line"
  done
} >"$work/soak.script"

run() {
  local build=$1 out=$2
  local start=$SECONDS
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/bin/quorax-sim" "$work/soak.script" >"$out" 2>"$out.err" || {
    echo "soak: quorax-sim of $build failed:"; cat "$out.err"; exit 1; }
  if [ -s "$out.err" ]; then echo "soak: $build wrote to stderr:"; cat "$out.err"; exit 1; fi
  echo "soak: $frames frames in $build took $((SECONDS - start)) s"
}
run "$plain" "$work/plain.txt"
run "$sanitized" "$work/sanitized.txt"
if ! diff "$work/plain.txt" "$work/sanitized.txt"; then
  echo "soak: the two builds ended in different states (seed $seed)"; exit 1
fi
grep -E "^(GameState|SegmentNumber|WorldPosition|HeroHealth)=" "$work/plain.txt" | tr '\n' ' '; echo

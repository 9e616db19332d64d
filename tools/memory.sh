#!/usr/bin/env bash
# Where the game's memory stands, measured the same way every time:
#   bash tools/memory.sh [BIN_FOLDER]     (default build-test/bin)
# - resident memory of the game itself, headless (SDL's dummy video and audio), two seconds into
#   the title;
# - the largest resident size of the simulator in land 4, after walking for ten seconds of play;
# - with heaptrack installed: the game's own heap at its peak on that same walk.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$top/build-test/bin}" && pwd)
source "$top/tests/support/wait_until.sh"
work=$(mktemp -d)
trap 'kill "$game" 2>/dev/null || true; rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

kilobytes() { awk -v what="$1" '$1 == what ":" { print $2 }' "$2"; }

(cd "$bin" && QUORAX_TEST_READY=1 exec ./quorax > "$work/out" 2>&1) &
game=$!
wait_until "the game's start-up" said_ready "$game" "$work/out"
# Measured after two seconds on the title: its first frames load the music and make the
# renderer's pictures.
sleep 2
cp "/proc/$game/smaps_rollup" "$work/title"
kill "$game"
wait "$game" 2>/dev/null || true
echo "game on the title, headless:  resident $(kilobytes Rss "$work/title") kB," \
  "of it $(kilobytes Anonymous "$work/title") kB anonymous"

printf '1 F4\n300 RIGHT\n' > "$work/land4.script"
/usr/bin/time -f '%M' -o "$work/land4" "$bin/quorax-sim" "$work/land4.script" > /dev/null
echo "simulator in land 4:          largest resident $(cat "$work/land4") kB"

if command -v heaptrack > /dev/null; then
  heaptrack -o "$work/heap" "$bin/quorax-sim" "$work/land4.script" > /dev/null 2>&1
  peak=$(heaptrack_print "$work/heap.zst" 2>/dev/null | sed -n 's/^peak heap memory consumption: //p')
  echo "simulator in land 4:          heap at its peak $peak"
fi

#!/usr/bin/env bash
# The real game in a real window under Xvfb: the title shows, F1 starts play, Escape ends the
# program with exit code 0. Exit 77 (skipped) without xvfb-run or xdotool.
set -u
game=$1
if [ "${2:-}" != --inside ]; then
  for tool in xvfb-run xdotool import convert compare; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  exec xvfb-run -a -s "-screen 0 640x480x24" bash "$0" "$game" --inside
fi

work=$(mktemp -d)
source "$(dirname "$0")/../support/screen.sh"
fail() { echo "$1"; kill "$pid" 2>/dev/null; exit 1; }
trap 'rm -rf "$work"' EXIT
# Unset so that SDL picks the X11 video driver even under a test environment.
unset SDL_VIDEODRIVER

cd "$(dirname "$game")"
# The X11 and D-Bus libraries that SDL loads keep a few allocations to the end of the process:
# not the game's leaks, so leak detection is off for this one run.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" SDL_AUDIODRIVER=dummy QUORAX_TEST_READY=1 \
  "$game" >"$work/stdout" &
pid=$!
wait_until "the game's start-up" said_ready "$pid" "$work/stdout" || fail "the game did not start"
wait_until "the game's window" xdotool search --onlyvisible --name '^QUORAX$' || fail "no window"
# Without a window manager the keys go to the window under the pointer.
xdotool mousemove 320 240
wait_until "the title on screen" shows_picture title || fail "the title screen stayed black"
hold F1 "F1 to change the picture" changed_from title play || fail "F1 did not start play"
hold Escape "the game to end on Escape" ended "$pid" || fail "the game did not end on Escape"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || { echo "exit code $status"; exit 1; }
echo "title shown, play started, exit code 0"

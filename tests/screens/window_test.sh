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
trap 'rm -rf "$work"' EXIT
shot() { import -window root "$work/$1.png"; }
# xdotool key is shorter than a frame: hold each key for several frames.
press() { xdotool keydown "$1"; sleep 0.3; xdotool keyup "$1"; }
# Unset so that SDL picks the X11 video driver even under a test environment.
unset SDL_VIDEODRIVER

cd "$(dirname "$game")"
# The X11 and D-Bus libraries that SDL loads keep a few allocations to the end of the process:
# not the game's leaks, so leak detection is off for this one run.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" SDL_AUDIODRIVER=dummy "$game" &
pid=$!
xdotool search --sync --onlyvisible --name QUORAX >/dev/null
xdotool mousemove 320 240
sleep 1.5
shot title
press F1
sleep 1
shot play
press Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  echo "the game did not end on Escape"; kill "$pid"; exit 1
fi
wait "$pid"; status=$?
[ "$status" -eq 0 ] || { echo "exit code $status"; exit 1; }

mean() { convert "$work/$1.png" -colorspace Gray -format "%[fx:mean]" info:; }
[ "$(mean title)" != 0 ] || { echo "the title screen stayed black"; exit 1; }
changed=$(compare -metric AE "$work/title.png" "$work/play.png" null: 2>&1 || true)
[ "${changed%%.*}" -gt 10000 ] || { echo "F1 did not change the screen ($changed pixels)"; exit 1; }
echo "title shown, play started, exit code 0"

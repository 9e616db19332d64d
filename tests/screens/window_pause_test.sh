#!/usr/bin/env bash
# The real game in a real window under Xvfb with a window manager: P pauses play (the picture
# stands still under the banner, and the game sleeps), P goes on; moving the focus to another
# window pauses it too. Prints the paused CPU share. Exit 77 (skipped) without the X tools.
set -u
game=$1
if [ "${2:-}" != --inside ]; then
  for tool in xvfb-run xdotool import compare openbox xmessage; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  exec xvfb-run -a -s "-screen 0 640x480x24" bash "$0" "$game" --inside
fi

work=$(mktemp -d)
shot() { import -window root "$work/$1.png"; }
# xdotool key is shorter than a frame: hold each key for several frames.
press() { xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"; }
differ() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
fail() { echo "$1"; kill "$pid" 2>/dev/null; exit 1; }
# Ticks (1/100 s on Linux) of CPU the process has used: user plus system time.
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
unset SDL_VIDEODRIVER

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
cd "$(dirname "$game")"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" SDL_AUDIODRIVER=dummy "$game" &
pid=$!
window=$(xdotool search --sync --onlyvisible --name QUORAX | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null
sleep 1
press F1
sleep 1

press p
sleep 0.5
shot paused1
start=$(cpu)
sleep 10
used=$(( $(cpu) - start ))
shot paused2
[ "$(differ paused1 paused2)" = 0 ] || fail "the paused picture changed: $(differ paused1 paused2) pixels"
echo "paused for 10 s: $used of 1000 CPU ticks ($((used / 10)).$((used % 10)) % of a core)"
[ "$used" -lt 50 ] || fail "a paused game should sleep, it used $used ticks in 10 s"

press p
sleep 0.5
shot play1
sleep 1
shot play2
[ "$(differ paused2 play1)" != 0 ] || fail "P did not take the banner away"
[ "$(differ play1 play2)" != 0 ] || fail "play did not go on after P"

xmessage -title other "another window" &
other=$!
for _ in $(seq 50); do
  otherWindow=$(xdotool search --onlyvisible --name '^other$' 2>/dev/null | head -n 1)
  [ -n "$otherWindow" ] && break
  sleep 0.1
done
[ -n "$otherWindow" ] || fail "the other window did not open"
xdotool windowactivate --sync "$otherWindow" 2>/dev/null
sleep 0.5
shot unfocused1
sleep 1
shot unfocused2
kill $other
[ "$(differ unfocused1 unfocused2)" = 0 ] || fail "the game ran on behind another window"
xdotool windowactivate --sync "$window" 2>/dev/null
sleep 0.5
shot refocused
sleep 1
shot refocused2
[ "$(differ refocused refocused2)" = 0 ] || fail "getting the focus back ended the pause by itself"
press p
sleep 1
shot resumed
[ "$(differ refocused2 resumed)" != 0 ] || fail "P did not resume after the focus came back"

if [ -n "${QUORAX_SHOTS:-}" ]; then cp "$work"/*.png "$QUORAX_SHOTS"/; fi
press Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the game did not end on Escape"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || { echo "exit code $status"; exit 1; }
echo "paused by P and by a lost focus, resumed by P, exit code 0"

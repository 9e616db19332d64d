#!/usr/bin/env bash
# The real game in a real window under Xvfb with a window manager: P pauses play (the picture
# stands still under the banner, and the game sleeps), P goes on; moving the focus to another
# window pauses it too. Prints the paused CPU share. Exit 77 (skipped) without the X tools.
set -u
game=$1
if [ "${2:-}" != --inside ]; then
  for tool in xvfb-run xdotool xprop import compare openbox xmessage; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  exec xvfb-run -a -s "-screen 0 640x480x24" bash "$0" "$game" --inside
fi

work=$(mktemp -d)
source "$(dirname "$0")/../support/screen.sh"
fail() { echo "$1"; kill "$pid" 2>/dev/null; exit 1; }
# Ticks (1/100 s on Linux) of CPU the process has used: user plus system time.
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
# The window that has the keyboard's focus.
focused() { [ "$(xdotool getwindowfocus)" = "$1" ] || { echo "window $(xdotool getwindowfocus) has it"; return 1; }; }
unset SDL_VIDEODRIVER
pid=

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; rm -rf "$work"' EXIT
wait_until "the window manager" manager_up || fail "openbox did not start"
cd "$(dirname "$game")"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" SDL_AUDIODRIVER=dummy QUORAX_TEST_READY=1 \
  "$game" >"$work/stdout" &
pid=$!
wait_until "the game's start-up" said_ready "$pid" "$work/stdout" || fail "the game did not start"
wait_until "the game's window" xdotool search --onlyvisible --name '^QUORAX$' || fail "no window"
window=$(xdotool search --onlyvisible --name '^QUORAX$' | head -n 1)
xdotool windowactivate "$window" 2>/dev/null
wait_until "the game's window to have the focus" focused "$window" || fail "the game's window never got the focus"
wait_until "the title on screen" shows_picture title || fail "the title screen stayed black"
hold F1 "F1 to start play" changed_from title play || fail "F1 did not start play"

# Right held from here on: play that runs scrolls the land, so a still picture means a pause.
xdotool keydown Right
wait_until "the land to scroll" moving walking || fail "play did not move with Right held"
hold p "P to pause play" still paused1 || fail "P did not stop the picture"
start=$(cpu)
sleep 10  # the span the CPU share is measured over
used=$(( $(cpu) - start ))
shot paused2
[ "$(differ paused1 paused2)" = 0 ] || fail "the paused picture changed: $(differ paused1 paused2) pixels"
echo "paused for 10 s: $used of 1000 CPU ticks ($((used / 10)).$((used % 10)) % of a core)"
[ "$used" -lt 50 ] || fail "a paused game should sleep, it used $used ticks in 10 s"
hold p "P to end the pause" moving resumed || fail "play did not go on after P"
xdotool keyup Right

xmessage -title other "another window" &
other=$!
wait_until "the other window" xdotool search --onlyvisible --name '^other$' || fail "the other window did not open"
otherWindow=$(xdotool search --onlyvisible --name '^other$' | head -n 1)
xdotool windowactivate "$otherWindow" 2>/dev/null
wait_until "the other window to have the focus" focused "$otherWindow" || fail "the other window never got the focus"
wait_until "the game to stand still behind it" still unfocused || fail "the game ran on behind another window"
kill $other
xdotool windowactivate "$window" 2>/dev/null
wait_until "the focus to come back" focused "$window" || fail "the game's window did not get the focus back"
# The other window gone and the frames redrawn, nothing may change now: a second of Right held
# must not move the land.
wait_until "the screen to settle" still refocused || fail "the screen kept changing after the focus came back"
xdotool keydown Right
sleep 1
shot refocusedRight
[ "$(differ refocused refocusedRight)" = 0 ] || fail "getting the focus back ended the pause by itself"
hold p "P to resume after the focus came back" moving refocusedResumed || fail "P did not resume after the focus came back"
xdotool keyup Right

if [ -n "${QUORAX_SHOTS:-}" ]; then cp "$work"/*.png "$QUORAX_SHOTS"/; fi
hold Escape "the game to end on Escape" ended "$pid" || fail "the game did not end on Escape"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || { echo "exit code $status"; exit 1; }
echo "paused by P and by a lost focus, resumed by P, exit code 0"

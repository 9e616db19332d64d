#!/usr/bin/env bash
# Run by tools/windows/test.sh inside Xvfb: the unpacked zip's quorax.exe (GAME) under Wine and
# a window manager, started from FOLDER. The title shows, F1 held for 0.2 s starts land 1,
# Escape ends it with exit code 0; a damaged picture file is named on one line on stderr and in
# a message box, and the game ends with 1 once it is closed. Screenshots are kept in OUT.
set -euo pipefail
game=$1 folder=$2 out=$3
wine=/usr/lib/wine/wine64
work=$(mktemp -d)
source "$(dirname "$0")/../../tests/support/screen.sh"
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; rm -rf "$work"' EXIT
wait_until "the window manager" manager_up
fail() { echo "windows: $1" >&2; exit 1; }

# The windows named QUORAX: the game's, and the message box's.
windows() { xdotool search --name '^QUORAX$' | wc -l; }
at_least() { local n; n=$(windows); echo "$n windows"; [ "$n" -ge "$1" ]; }
# Wine runs no sound card here: SDL's disk driver writes what the mixer plays to a file.
sound=$work/sound.raw

cd "$folder"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="Z:$sound" QUORAX_TEST_READY=1 $wine "$game" >"$work/stdout" &
pid=$!
wait_until "the game's start-up under Wine" said_ready $pid "$work/stdout" || fail "the game did not start"
wait_until "the game's window" at_least 1 || fail "no window"
wait_until "the title on screen" shows_picture title || fail "the title screen stayed black"
cp "$work/title.png" "$out/wine-title.png"
echo "windows: the title shows (mean brightness $(mean title)), $out/wine-title.png"
xdotool keydown F1
sleep 0.2  # the span held is what is tested
xdotool keyup F1
wait_until "land 1 on screen" land_shown land || fail "F1 held for 0.2 s did not start land 1"
cp "$work/land.png" "$out/wine-land1.png"
echo "windows: F1 started land 1 ($(differ title land) pixels changed), $out/wine-land1.png"
hold Escape "the game to end on Escape" ended $pid || fail "the game did not end on Escape"
wait $pid || fail "the game ended with exit code $?"
[ -s "$sound" ] || fail "the game played no sound"
echo "windows: Escape ended the game with exit code 0; it played $(stat -c %s "$sound") bytes of sound"

# A damaged picture beside the program: the same line as on Linux, and a box for the player.
cp -r "$(dirname "$game")" "$work/damaged"
head -c 100 "$(dirname "$game")/Devil.BMP" >"$work/damaged/Devil.BMP"
cd "$work/damaged"
SDL_AUDIODRIVER=dummy $wine quorax.exe 2>"$work/stderr" &
pid=$!
# Not there yet, also while the file is still to be made: grep's 2 would tell wait_until to give up.
said_line() { grep -q 'start-up failed: Devil.BMP' "$work/stderr" 2>/dev/null || return 1; }
wait_until "the line about Devil.BMP" said_line || fail "no line about the damaged Devil.BMP: $(cat "$work/stderr")"
wait_until "the message box over the game's window" at_least 2 || fail "no message box"
shot message
cp "$work/message.png" "$out/wine-message-box.png"
kill -0 $pid || fail "the game ended before its message box was closed"
hold Return "the game to end when its message box is closed" ended $pid || fail "the message box did not close"
status=0
wait $pid || status=$?
[ $status = 1 ] || fail "exit code $status after a damaged picture"
[ "$(wc -l <"$work/stderr")" = 1 ] || fail "more than one line on stderr: $(cat "$work/stderr")"
echo "windows: a damaged Devil.BMP: $(tr -d '\r' <"$work/stderr"), in a message box ($out/wine-message-box.png), exit code 1"

#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, plays the installed game from a folder
# that holds none of its files (under Xvfb with a window manager), then removes the package and
# checks that nothing of it is left in /usr. Run as root, as CI does.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
shot=$repo/build-package/installed-game.png

# Inside the X server: a window manager, the game started from /tmp, a look at its window, Escape.
if [ "${1:-}" = "--play" ]; then
  openbox >/dev/null 2>&1 &
  wm=$!
  trap 'kill $wm 2>/dev/null || true' EXIT
  sleep 1
  cd /tmp
  SDL_AUDIODRIVER=dummy /usr/games/quorax &
  game=$!
  window=
  for _ in $(seq 50); do
    window=$(xdotool search --name '^QUORAX$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "the installed game opened no window" >&2; exit 1; }
  sleep 2  # a few frames of the title
  # Read whole first: grep -q leaving early would kill xprop with SIGPIPE and fail the pipeline.
  icon=$(xprop -id "$window" _NET_WM_ICON)
  grep -q 'Icon (64 x 64)' <<<"$icon" || { echo "the window has no icon" >&2; exit 1; }
  echo "installed game: the window carries its 64x64 icon"
  import -window root "$shot"
  mean=$(convert "$shot" -colorspace Gray -format '%[fx:mean]' info:)
  echo "installed game: screenshot $shot, mean brightness $mean"
  awk -v m="$mean" 'BEGIN { exit !(m > 0.05) }' || { echo "the installed game's window is black" >&2; exit 1; }
  xdotool keydown Escape; sleep 0.1; xdotool keyup Escape
  for _ in $(seq 50); do
    kill -0 $game 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $game 2>/dev/null; then
    kill $game
    echo "the installed game did not end on Escape" >&2
    exit 1
  fi
  wait $game  # set -e: a non-zero exit code fails the test
  echo "installed game: Escape ended it with exit code 0"
  exit 0
fi

deb=$(bash tools/package.sh | tail -1)
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$repo/$deb"
# A failed check must not leave the package on the machine.
trap 'apt-get remove -y quorax >/dev/null 2>&1 || true' ERR
installed=$(dpkg -L quorax | grep '^/usr/')

version=$(/usr/games/quorax --version)
[ "$version" = "quorax $(dpkg-query -W -f='${Version}' quorax)" ] || { echo "wrong --version: $version" >&2; exit 1; }
echo "installed game: --version prints \"$version\""
xvfb-run -a -s '-screen 0 1024x768x24' bash "$repo/tools/package-test.sh" --play

apt-get remove -y quorax
left=0
for f in $installed; do
  # Shared folders such as /usr/share/applications stay; anything of the game's own must go.
  if [ -e "$f" ] && ! [ -d "$f" ]; then echo "left behind: $f" >&2; left=1; fi
done
for d in /usr/share/games/quorax /usr/share/doc/quorax; do
  if [ -e "$d" ]; then echo "left behind: $d" >&2; left=1; fi
done
[ $left = 0 ]
echo "package removed: nothing of it is left in /usr"

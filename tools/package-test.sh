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
  work=$(mktemp -d)
  source "$repo/tests/support/screen.sh"
  openbox >/dev/null 2>&1 &
  wm=$!
  trap 'kill $wm 2>/dev/null || true; rm -rf "$work"' EXIT
  wait_until "the window manager" manager_up
  cd /tmp
  SDL_AUDIODRIVER=dummy QUORAX_TEST_READY=1 /usr/games/quorax >"$work/stdout" &
  game=$!
  wait_until "the installed game's start-up" said_ready $game "$work/stdout" ||
    { echo "the installed game did not start" >&2; exit 1; }
  wait_until "the installed game's window" xdotool search --name '^QUORAX$' ||
    { echo "the installed game opened no window" >&2; exit 1; }
  window=$(xdotool search --name '^QUORAX$' | head -1)
  # Read whole first: grep -q leaving early would kill xprop with SIGPIPE and fail the pipeline.
  icon=$(xprop -id "$window" _NET_WM_ICON)
  grep -q 'Icon (64 x 64)' <<<"$icon" || { echo "the window has no icon" >&2; exit 1; }
  echo "installed game: the window carries its 64x64 icon"
  wait_until "the installed game's title on screen" shows_picture title ||
    { echo "the installed game's window is black" >&2; exit 1; }
  cp "$work/title.png" "$shot"
  echo "installed game: screenshot $shot, mean brightness $(mean title)"
  hold Escape "the installed game to end on Escape" ended $game ||
    { kill $game; echo "the installed game did not end on Escape" >&2; exit 1; }
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

version=$(/usr/games/quorax --version | sed -n 1p)
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

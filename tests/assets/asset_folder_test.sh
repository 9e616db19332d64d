#!/usr/bin/env bash
# The game in a copy of its folder, each data file in turn damaged: a picture deleted or cut in half
# must end start-up with exit code 1 and a line naming it; without a sound or the palette file the
# game must still finish start-up.
#   asset_folder_test.sh GAME DATA_FOLDER
set -u
source "$(dirname "$0")/../support/wait_until.sh"
game=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program lies in the copy too, so that the folder beside it is the damaged one.
cp "$game" "$work/quorax"
shopt -s nullglob
pictures=("$data"/*.BMP "$data"/*.bmp)
others=("$data"/*.wav "$data"/*.PAL "$data"/Music*.ogg)
for file in "${pictures[@]}" "${others[@]}"; do cp "$file" "$work/"; done
[ ${#pictures[@]} -gt 20 ] || { echo "only ${#pictures[@]} pictures in $data"; exit 1; }

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# The game reads the working directory's files first.
cd "$work"
# A start-up that never ends fails too, after the patience of every wait.
run() { timeout "$patience" ./quorax 2>stderr.txt; }

for path in "${pictures[@]}"; do
  name=$(basename "$path")
  for damage in deleted halved; do
    if [ $damage = deleted ]; then
      rm "$work/$name"
    else
      truncate -s $(($(stat -c %s "$path") / 2)) "$work/$name"
    fi
    run; status=$?
    line=$(head -n 1 stderr.txt)
    if [ $status -ne 1 ]; then
      fail "$name $damage: exit code $status"
    elif ! grep -qF "$name" stderr.txt; then
      fail "$name $damage: the message does not name it: $line"
    else
      echo "ok: $name $damage: $line"
    fi
    cp "$path" "$work/$name"
  done
done

# Without these the game must still finish start-up: it says so on stdout, and is then ended.
for path in "${others[@]}"; do
  name=$(basename "$path")
  rm "$work/$name"
  # Gone before the game starts, so that the ready line read can only be this game's.
  rm -f stdout.txt
  QUORAX_TEST_READY=1 ./quorax >stdout.txt 2>stderr.txt &
  game=$!
  if wait_until "start-up without $name" said_ready $game stdout.txt; then
    echo "ok: $name deleted: the game starts"
    kill $game
  else
    fail "$name deleted: the game did not start: $(head -n 1 stderr.txt)"
  fi
  wait $game 2>/dev/null
  cp "$path" "$work/$name"
done
[ $failures -eq 0 ] || { echo "$failures failures"; exit 1; }

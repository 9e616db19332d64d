#!/usr/bin/env bash
# Run inside Xvfb by tools/linux/test.sh and tools/arm64/test.sh: a build of the game in a fresh
# copy of the bare Debian BASE (no SDL, no sound library, only libx11-6 and libxext6 beside the C
# library). ARTIFACT is either a portable tarball, unpacked in /opt with SIM, its quorax-sim, put
# beside its program, or a Debian package, installed with apt-get from the archive this machine
# uses, or the handheld zip, unpacked in /opt/handheld and started through its launcher (SIM is
# then ''); the launcher, started without a display, must then ask SDL for KMSDRM, which is not
# there, and end with the game's failure, its log.txt saying why, and take a system's SDL only
# when it has every function the game calls. There: --version names the drivers, a script the simulator refuses passes
# through a thrown exception (portable only), and the game started from another folder under a
# window manager shows the title, F1 held for 0.2 s starts land 1 and Escape ends it with exit
# code 0, with at most the line that says it plays silent on stderr (and, from the package's
# libraries, ALSA's own lines about the missing sound card). With "--other-sdl DIR", DIR
# holding another libSDL2-2.0.so.0, the game is started with LD_LIBRARY_PATH naming it and must
# not load it; with "--disk-sound" it plays into a file through SDL's disk driver, which must then
# hold sound. LABEL names the run; screenshots go to OUT.
set -euo pipefail
base=$1 artifact=$2 sim=$3 label=$4 out=$5 other_sdl='' disk_sound=''
case "${6:-}" in
--other-sdl) other_sdl=$7 ;;
--disk-sound) disk_sound=/tmp/sound.raw ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
system=$work/system
source "$here/bare-system.sh"
source "$here/../../tests/support/screen.sh"
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; leave_copy "$system" && rm -rf "$work"' EXIT
wait_until "the window manager" manager_up
fail() { echo "linux ($label): $1" >&2; exit 1; }

enter_copy "$base" "$system"
# Inside, with nothing of this machine's environment but the display.
inside=(env -i DISPLAY="$DISPLAY" HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8)
if [[ $artifact == *.deb ]]; then
  cp "$artifact" "$system/tmp/"
  # The archive may be a fixed snapshot whose Release files are past their dates.
  apt=(apt-get -q -o Acquire::Check-Valid-Until=false -o Acquire::Check-Date=false)
  started=$SECONDS
  "${inside[@]}" DEBIAN_FRONTEND=noninteractive chroot "$system" sh -c \
    "${apt[*]} update && ${apt[*]} install -y --no-install-recommends /tmp/$(basename "$artifact")" \
    >"$work/apt.log" 2>&1 || fail "apt-get could not install the package: $(tail -20 "$work/apt.log")"
  program=/usr/games/quorax
  echo "linux ($label): apt-get installed $(basename "$artifact") and $(grep -c '^Setting up' "$work/apt.log") packages" \
    "in $((SECONDS - started)) s"
elif [[ $artifact == *.zip ]]; then
  unzip -q "$artifact" -d "$system/opt/handheld"
  program=/opt/handheld/Quorax.sh
else
  tar xzf "$artifact" -C "$system/opt"
  folder=/opt/$(tar tzf "$artifact" | sed -n 1p | cut -d/ -f1)
  cp "$sim" "$system$folder/"
  program=$folder/quorax
fi

said=$("${inside[@]}" chroot "$system" "$program" --version) || fail "--version failed: $said"
drivers=$(sed -n 2p <<<"$said" | tr 'A-Z;:,' 'a-z   ')
needed="x11 wayland kmsdrm pipewire pulseaudio alsa"
# Debian 11's PipeWire, which the handheld build's SDL is built against, is older than SDL's back end
# asks for: a PipeWire system is heard there through its PulseAudio or ALSA layer.
[[ $artifact != *.zip ]] || needed=${needed/pipewire /}
for driver in $needed; do
  [[ " $drivers " == *" $driver "* ]] || fail "its SDL has no $driver driver: $said"
done
echo "linux ($label): --version says: $(paste -sd' ' <<<"$said")"

if [ -n "$sim" ]; then
  # quorax-sim reads a pass count with std::stoi, which throws on a word: the unwinder must work here.
  echo 'abc' >"$system/tmp/bad.script"
  status=0
  refused=$("${inside[@]}" chroot "$system" /bin/sh -c "cd $folder && exec ./quorax-sim /tmp/bad.script" 2>&1) || status=$?
  [ $status = 2 ] && [[ $refused == *'"abc" is no pass count'* ]] ||
    fail "a thrown exception did not reach its handler (exit code $status): $refused"
  echo "linux ($label): a thrown exception is caught: $refused"
fi

if [ -n "$other_sdl" ]; then
  mkdir "$system/opt/other-sdl"
  cp -L "$other_sdl/libSDL2-2.0.so.0" "$system/opt/other-sdl/"
fi
# env, chroot and sh each hand their process on, so $! is the game's.
"${inside[@]}" QUORAX_TEST_READY=1 ${other_sdl:+LD_LIBRARY_PATH=/opt/other-sdl} \
  ${disk_sound:+SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$disk_sound} \
  chroot "$system" /bin/sh -c "cd /tmp && exec $program" >"$work/stdout" 2>"$work/stderr" &
pid=$!
wait_until "the game's start-up" said_ready $pid "$work/stdout" || fail "the game did not start: $(cat "$work/stderr")"
wait_until "the game's window" xdotool search --name '^QUORAX$' || fail "no window"
wait_until "the title on screen" shows_picture title || fail "the title screen stayed black"
cp "$work/title.png" "$out/$label-title.png"
echo "linux ($label): the title shows (mean brightness $(mean title)), $out/$label-title.png"
if [ -n "$other_sdl" ]; then
  loaded=$(grep -o '/[^ ]*\.so[^ ]*' "/proc/$pid/maps" | sort -u)
  [[ $(readlink "/proc/$pid/exe") == */quorax ]] || fail "the process looked at is not the game's"
  grep -q 'SDL' <<<"$loaded" && fail "with LD_LIBRARY_PATH=/opt/other-sdl it loaded: $(grep SDL <<<"$loaded")"
  echo "linux ($label): with LD_LIBRARY_PATH naming another libSDL2-2.0.so.0 it loads no SDL library but its own:" \
    $(sed 's|.*/||' <<<"$loaded")
fi
xdotool keydown F1
sleep 0.2  # the span held is what is tested
xdotool keyup F1
wait_until "land 1 on screen" land_shown land || fail "F1 held for 0.2 s did not start land 1"
cp "$work/land.png" "$out/$label-land1.png"
echo "linux ($label): F1 started land 1 ($(differ title land) pixels changed), $out/$label-land1.png"
hold Escape "the game to end on Escape" ended $pid || fail "the game did not end on Escape"
wait $pid || fail "the game ended with exit code $?"
# SDL's disk driver announces itself with two lines of its own.
[ -z "$disk_sound" ] || sed -i '/^CRITICAL: .*SDL disk i\/o audio driver\|^CRITICAL:  Writing to file/d' "$work/stderr"
# Debian's ALSA library, which its SDL links, says on its own why it found no sound card.
[[ $artifact != *.deb ]] || sed -i '/^ALSA lib /d' "$work/stderr"
# The launcher says which SDL it chose.
if [[ $artifact == *.zip ]]; then
  echo "linux ($label): $(grep '^Quorax.sh: ' "$work/stderr")"
  sed -i '/^Quorax.sh: /d' "$work/stderr"
fi
lines=$(wc -l <"$work/stderr")
stderr=$(cat "$work/stderr")
[ "$lines" = 0 ] || { [ "$lines" = 1 ] && grep -q 'plays silent$' "$work/stderr"; } ||
  fail "its standard error holds more than the line about playing silent: $(cat "$work/stderr")"
echo "linux ($label): Escape ended the game with exit code 0; its standard error: ${stderr:-nothing}"
if [[ $artifact == *.zip ]]; then
  status=0
  timeout 60 env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    chroot "$system" /opt/handheld/Quorax.sh >/dev/null 2>&1 || status=$?
  log=$(cat "$system/opt/handheld/quorax/log.txt")
  [ $status != 0 ] && [ $status != 124 ] && grep -q 'cannot open the window: kmsdrm' <<<"$log" ||
    fail "without a display the launcher did not come back from KMSDRM's failure (exit code $status): $log"
  echo "linux ($label): without a display the launcher asked for KMSDRM and came back with exit code $status;" \
    "log.txt: $(paste -sd' ' <<<"$log")"
  # A system SDL that lacks functions the game calls (one with SDL_GetVersion alone) is passed over;
  # one that has them all (a copy of the folder's own) is taken.
  echo 'void SDL_GetVersion(void* v) { (void)v; }' >"$work/lacking.c"
  aarch64-linux-gnu-gcc -shared -fPIC -Wl,-soname,libSDL2-2.0.so.0 -o "$work/lacking.so" "$work/lacking.c"
  for sdl in "$work/lacking.so:its own SDL" "$system/opt/handheld/quorax/lib/libSDL2-2.0.so.0:the system's SDL"; do
    cp "${sdl%%:*}" "$system/usr/local/lib/libSDL2-2.0.so.0"
    chroot "$system" ldconfig
    said=$("${inside[@]}" chroot "$system" /opt/handheld/Quorax.sh --version 2>&1) || fail "--version failed: $said"
    [[ $said == *"Quorax.sh: with ${sdl#*:}"* ]] || fail "with ${sdl%%:*} as the system's SDL, it chose wrongly: $said"
    echo "linux ($label): with $(basename "${sdl%%:*}") as the system's SDL: $(grep '^Quorax.sh' <<<"$said")"
  done
fi
if [ -n "$disk_sound" ]; then
  # The title's voice and music, the music decoded from Ogg Vorbis by the folder's SDL2_mixer.
  heard=$(tr -d '\0' <"$system$disk_sound" | wc -c)
  [ "$heard" -gt 100000 ] || fail "it played $heard bytes of sound that are not silence"
  echo "linux ($label): it played $(stat -c %s "$system$disk_sound") bytes of sound, $heard of them not zero"
fi

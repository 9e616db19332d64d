#!/usr/bin/env bash
# The Windows build under Wine, in a fresh Wine prefix in build-windows/: the GoogleTest programs
# through CTest, quorax-sim.exe on the four winning replays (each frame's state as the native
# quorax-sim prints it), and the game from the unpacked zip under Xvfb with a window manager.
# Run tools/windows/package.sh first; QUORAX_NATIVE_BUILD names the native build it used.
set -euo pipefail
cd "$(dirname "$0")/../.."
# Xvfb, openbox, xdotool and ImageMagick come with the tests' packages.
bash tools/install-packages.sh --tests
repo=$(pwd)
native=$(realpath -m "${QUORAX_NATIVE_BUILD:-build-native}")
zip=$(ls "$repo"/build-windows/quorax-*-win64.zip)
jobs=$(nproc)
wine=/usr/lib/wine/wine64

# Tests the Windows build cannot pass, each with the reason.
skipped=(
  # Windows' clock() counts wall time, not processor time, so it cannot tell a busy wait apart.
  RealClock.WaitHoldsTheFramePeriodWithoutSpinningThroughIt
  # It has ImageMagick, a program of the build machine, write pictures through std::system; under
  # Wine that starts cmd.exe, which has no ImageMagick, and once took the test program down with it.
  ImageMagickFiles.HeadersOf124BytesAndRunLengthPixelsShowThePictureUnchanged
)

export WINEPREFIX=$repo/build-windows/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# No DLL path beyond the programs' own folders. No display until the game's own test opens one in
# Xvfb: no test may open a window, and a message box fails at once instead of waiting for a click.
unset WINEPATH DISPLAY
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
# Wine keeps its server's socket in a folder of its own under TMPDIR: this one goes with $work.
mkdir "$work/tmp"
export TMPDIR=$work/tmp

rm -rf "$WINEPREFIX"
$wine wineboot --init >/dev/null 2>&1
# Wine's windows drawn through XComposite are black in a screenshot of Xvfb.
$wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXComposite /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w
echo "windows: a fresh Wine prefix in $WINEPREFIX"

# Now and then Wine fails to start a program at all (no output, gone in a twentieth of a second, on a
# busy machine): a test that fails is run once more, and one that really fails fails again.
(cd build-windows && ctest --output-on-failure -j"$jobs" --repeat until-pass:2 -E "^($(IFS='|'; echo "${skipped[*]}"))\$")
echo "windows: every cross-built GoogleTest program passed under Wine (skipped: ${skipped[*]})"

# Windows ends its text lines with CR LF.
windows_sim() { (cd build-windows/bin && $wine quorax-sim.exe --trace "Z:$1" | tr -d '\r'); }
source tools/same-replays.sh
same_replays windows "$native" "$work" windows_sim

# The zip unpacked outside the build tree, its game started from another folder.
mkdir "$work/unpacked" "$work/elsewhere"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
game=$(ls "$work"/unpacked/quorax-*/quorax.exe)
folder=$(dirname "$game")
objdump=x86_64-w64-mingw32-objdump
# Read whole first: grep -q leaving early would end the writer with SIGPIPE and fail the pipeline.
headers=$($objdump -p "$game")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || { echo "windows: quorax.exe is not a windowed program" >&2; exit 1; }
texts=$(strings -el "$game")
grep -qx 'QUORAX, a side-scrolling action game' <<<"$texts" ||
  { echo "windows: quorax.exe has no version details" >&2; exit 1; }
# The zip's DLLs are exactly those its programs import that Windows does not have.
system=$WINEPREFIX/drive_c/windows/system32
needed=$(for f in "$folder"/*.exe "$folder"/*.dll; do $objdump -p "$f" | sed -n 's/^\s*DLL Name: //p'; done |
  tr 'A-Z' 'a-z' | sort -u | while read -r dll; do [ -e "$system/$dll" ] || echo "$dll"; done)
shipped=$(cd "$folder" && ls ./*.dll | sed 's|^\./||' | tr 'A-Z' 'a-z' | sort)
[ "$needed" = "$shipped" ] || { echo "windows: the zip holds $shipped, but its programs need $needed" >&2; exit 1; }
echo "windows: quorax.exe is windowed, has its version details, and the zip holds the DLLs it needs:" $shipped
said=$(cd "$work/elsewhere" && $wine "$game" --version | tr -d '\r')
version=$(sed -n 1p <<<"$said")
[ "$version" = "quorax $(basename "$folder" | cut -d- -f2)" ] || { echo "windows: --version said $said" >&2; exit 1; }
echo "windows: quorax.exe --version prints \"$version\" and \"$(sed -n 2p <<<"$said")\""
# Wine's desktop process, started without a display for the tests above, must start anew in Xvfb.
wineserver -k 2>/dev/null || true
wineserver -w
xvfb-run -a -s '-screen 0 800x600x24' bash "$repo/tools/windows/play-test.sh" "$game" "$work/elsewhere" "$repo/build-windows"

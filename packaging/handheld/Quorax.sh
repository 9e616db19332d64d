#!/bin/bash
# QUORAX on a Linux handheld, started from the system's "ports" menu: the game lives in the folder
# quorax/ beside this script. When the game ends, also when it fails, the script ends and the
# system's menu comes back; what the game said is kept in quorax/log.txt.
here=$(cd "$(dirname "$0")" && pwd)
game=$here/quorax

# The port manager's control file, where the system has one (it looks in these places too): it
# names the command that runs as root (ESUDO) and, through get_controls, the device's pad mapping.
for manager in /opt/system/Tools/PortMaster /opt/tools/PortMaster \
  "${XDG_DATA_HOME:-$HOME/.local/share}/PortMaster" /roms/ports/PortMaster; do
  if [ -f "$manager/control.txt" ]; then
    # shellcheck source=/dev/null
    source "$manager/control.txt"
    if declare -F get_controls >/dev/null; then get_controls; fi
    break
  fi
done
if [ -n "${sdl_controllerconfig:-}" ]; then export SDL_GAMECONTROLLERCONFIG="$sdl_controllerconfig"; fi

cd "$game" || exit 1
# What the game says goes to log.txt as well: a handheld shows no terminal.
exec 3>&2 2> >(tee log.txt >&3)
logger=$!

# No desktop: SDL draws straight on the screen through the kernel's display driver.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${SDL_VIDEODRIVER:-}" ]; then
  export SDL_VIDEODRIVER=kmsdrm
fi

# The system's own SDL, where it has every function the game calls (a firmware's build carries the
# device's display and GPU fixes): the game, each of its calls bound at start, must start with it.
# Otherwise the SDL in lib/.
if LD_BIND_NOW=1 ./quorax --version >/dev/null 2>&1; then
  echo "Quorax.sh: with the system's SDL ($(./quorax --version | sed -n 's/^\(SDL [0-9.]*\).*/\1/p;2q'))" >&2
else
  export LD_LIBRARY_PATH="$game/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
  echo "Quorax.sh: with its own SDL, the system has none that has every function the game calls" >&2
fi

./quorax "$@"
status=$?
# Whatever the game drew on the text console goes before the menu comes back.
if [ "${SDL_VIDEODRIVER:-}" = kmsdrm ] && [ -e /dev/tty1 ]; then
  ${ESUDO:-} sh -c 'printf "\033c" >/dev/tty1' 2>/dev/null
fi
exec 2>&3 3>&-
wait $logger
exit $status

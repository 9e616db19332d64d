#!/bin/sh
# Adds QUORAX to your desktop's menu for this folder where it is now (run it again after moving the
# folder); "--remove" takes the entry away. Only your own menu is changed: nothing needs root.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
menu=${XDG_DATA_HOME:-$HOME/.local/share}/applications
entry=$menu/org.quorax.quorax.desktop
if [ "${1:-}" = "--remove" ]; then
  rm -f "$entry"
  echo "QUORAX is no longer in the menu"
  exit 0
fi
case $here in *"
"*) echo "install-menu-entry.sh: a folder whose name holds a line break cannot go in a menu" >&2; exit 1 ;; esac
# Exec is quoted as desktop entries quote: the path in double quotes; a backslash becomes four,
# " ` $ take two before them, and % is doubled.
quoted=$(printf '%s' "$here/quorax" | sed -e 's/\\/\\\\\\\\/g' -e 's/["`$]/\\\\&/g' -e 's/%/%%/g')
plain=$(printf '%s' "$here" | sed 's/\\/\\\\/g')
mkdir -p "$menu"
cat >"$entry" <<ENTRY
[Desktop Entry]
Type=Application
Name=QUORAX
GenericName=Side-scrolling action game
Comment=Walk, jump, punch and fire through five lands and beat their bosses
Exec="$quoted"
Path=$plain
Icon=$plain/quorax.png
Terminal=false
Categories=Game;ActionGame;
ENTRY
echo "QUORAX is in the menu: $entry"

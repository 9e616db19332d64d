# Sourced by the scripts that look at the real game's window under Xvfb: screenshots of the whole
# screen, and the conditions they wait for with wait_until. Needs $work, a folder for the pictures.
source "$(dirname "${BASH_SOURCE[0]}")/wait_until.sh"

# A window manager announces itself on the root window.
manager_up() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK) == *"window id"* ]]; }

shot() { import -window root "$work/$1.png"; }
mean() { convert "$work/$1.png" -colorspace Gray -format '%[fx:mean]' info:; }
# Pixels that differ between two screenshots.
differ() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }

# shows_picture NAME: a screenshot NAME that is not black.
shows_picture() {
  shot "$1" || return 1
  local m
  m=$(mean "$1")
  echo "mean brightness $m"
  awk -v m="$m" 'BEGIN { exit !(m > 0.02) }'
}

# changed_from BEFORE NAME: a screenshot NAME that differs from BEFORE in more than 10,000 pixels.
changed_from() {
  shot "$2" || return 1
  local n
  n=$(differ "$1" "$2")
  echo "$n pixels changed"
  [ "${n%%.*}" -gt 10000 ] 2>/dev/null
}

# land_shown NAME: a screenshot NAME, not black, that differs from the title's (kept as "title").
land_shown() { changed_from title "$1" && shows_picture "$1"; }

# still NAME: two screenshots half a second apart are the same; the second is kept as NAME.
still() {
  shot "$1-before" && sleep 0.5 && shot "$1" || return 1
  local n
  n=$(differ "$1-before" "$1")
  echo "$n pixels changed in half a second"
  [ "$n" = 0 ]
}

# moving NAME: two screenshots a third of a second apart differ; the second is kept as NAME.
moving() {
  shot "$1-before" && sleep 0.3 && shot "$1" || return 1
  local n
  n=$(differ "$1-before" "$1")
  echo "$n pixels changed in a third of a second"
  [ "$n" != 0 ]
}

# hold KEY WHAT COMMAND [ARG ...]: holds KEY down until COMMAND sees its effect, then lets go.
# xdotool's own key press is shorter than a frame, so a key is held for several frames at least.
hold() {
  local key=$1
  shift
  xdotool keydown "$key"
  wait_until "$@"
  local status=$?
  xdotool keyup "$key"
  return $status
}

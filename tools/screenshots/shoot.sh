# Sourced by the scripts that photograph windows under Wine on an Xvfb display: where
# Wine's virtual desktop sits on the X screen, a crop of the screen to a window's
# rectangle, and the test of a picture that shows nothing. $display names the display.

# The X position of Wine's desktop: window rectangles are inside it.
desktop_origin() {
  local id
  id=$(DISPLAY=$display xwininfo -root -tree | awk '/Wine desktop/ { print $1; exit }')
  if [ -z "$id" ]; then echo "0 0"; return; fi
  DISPLAY=$display xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }'
}

# shoot FILE "left top right bottom": the screen, cropped to the rectangle.
shoot() {
  local file=$1 left top right bottom dx dy screen
  read -r left top right bottom <<<"$2"
  read -r dx dy <<<"$(desktop_origin)"
  screen=$(mktemp --suffix=.png)
  DISPLAY=$display import -window root "$screen" &&
    convert "$screen" -crop "$((right - left))x$((bottom - top))+$((left + dx))+$((top + dy))" +repage \
      -strip "$file"
  local status=$?
  rm -f "$screen"
  return $status
}

# looks_blank FILE [COLOURS]: a picture of fewer colours than COLOURS (8; a menu alone
# has 3), or of almost one shade, shows no window that was drawn. Prints its colours
# and deviation.
looks_blank() {
  local colours deviation
  colours=$(convert "$1" -format '%k' info:) || return 0
  deviation=$(convert "$1" -format '%[fx:standard_deviation]' info:)
  echo "$(basename "$1") has $colours colours, deviation $deviation"
  [ "$colours" -lt "${2:-8}" ] || awk -v d="$deviation" 'BEGIN { exit !(d < 0.02) }'
}

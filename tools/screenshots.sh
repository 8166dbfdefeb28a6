#!/usr/bin/env bash
# Makes the guide's screenshots from the real launcher: runs the demo disc under
# Wine on the build tree's own Xvfb display and saves the launcher window, the
# window with its popup open, the About box, and a menu of thirty entries in
# columns, each cropped to its window.
# Each picture must show more than one colour, or the script fails.
#   screenshots.sh WIN32_BUILD_DIR OUT_DIR [DISC_FOLDER]
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
build=$(cd "${1:?win32 build folder}" && pwd)
out=${2:?output folder}
disc=${3:-$repo/examples/demo}
mkdir -p "$out"; out=$(cd "$out" && pwd)
session=$build/wine-session
poke=$build/tests/wine/screenshot_poke.exe
looks=$build/tests/wine/screenshot_looks.exe
# Exit status 77: nothing to photograph yet (ctest counts the test as skipped).
if [ ! -f "$build/bin/autorun.exe" ]; then
  echo "screenshots: $build/bin/autorun.exe is not built; no screenshots" >&2
  exit 77
fi
for f in "$build/bin/GlyphKey32.dll" "$poke" "$looks" "$disc/autorun.inf"; do
  [ -f "$f" ] || { echo "screenshots: $f is missing (build the win32 tree first)" >&2; exit 2; }
done
if [ ! -f "$session/display" ] || [ ! -f "$session/prefix/.booted" ]; then
  bash "$repo/cmake/wine-session.sh" start "$session" >/dev/null || exit 2
fi
display=$(cat "$session/display")
# Every script drawn as Windows draws it, for the pictures only.
bash "$repo/cmake/wine-session.sh" link-fonts "$session"
. "$here/screenshots/shoot.sh"
run() { bash "$repo/cmake/wine-run.sh" "$session" "$@"; }

# The disc in a folder of its own, as it will be burnt.
work=$(mktemp -d)
launcher_pid=
cleanup() {
  run "$poke" quit >/dev/null 2>&1
  bash "$repo/cmake/wine-session.sh" unlink-fonts "$session"
  [ -n "$launcher_pid" ] && { sleep 1; kill "$launcher_pid" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT
cp -R "$disc"/. "$work/"
cp "$build/bin/autorun.exe" "$build/bin/GlyphKey32.dll" "$work/"
cp "$poke" "$work/poke.exe"
cp "$looks" "$work/looks.exe"

# shoot_named NAME "left top right bottom": the screen cropped to the window, in OUT_DIR.
shoot_named() {
  local left top right bottom
  read -r left top right bottom <<<"$2"
  shoot "$out/$1" "$2" || return 1
  echo "screenshots: $out/$1 ($((right - left))x$((bottom - top)))"
}

(cd "$work" && exec bash "$repo/cmake/wine-run.sh" "$session" autorun.exe) >/dev/null 2>&1 &
launcher_pid=$!
status=0
rect=$(cd "$work" && run poke.exe launcher | tr -d '\r') && [ -n "$rect" ] || { echo "screenshots: no launcher window" >&2; exit 1; }
shoot_named screenshot-demo.png "$rect" || status=1
rect=$(cd "$work" && run poke.exe popup autorun.inf | tr -d '\r') && [ -n "$rect" ] && shoot_named screenshot-popup.png "$rect" ||
  { echo "screenshots: no popup" >&2; status=1; }
(cd "$work" && run poke.exe escape >/dev/null)
rect=$(cd "$work" && run poke.exe about | tr -d '\r') && [ -n "$rect" ] && shoot_named screenshot-about.png "$rect" ||
  { echo "screenshots: no About box" >&2; status=1; }
(cd "$work" && run poke.exe quit >/dev/null)
wait "$launcher_pid" 2>/dev/null; launcher_pid=

# The demo as Arabic and Hindi users read it: mirrored, right to left, and in a script
# that no Windows code page holds.
for lang in ar_EG hi_IN; do
  (cd "$work" && LC_ALL=$lang.UTF-8 exec bash "$repo/cmake/wine-run.sh" "$session" autorun.exe) >/dev/null 2>&1 &
  launcher_pid=$!
  rect=$(cd "$work" && run poke.exe launcher | tr -d '\r') && [ -n "$rect" ] &&
    shoot_named "screenshot-demo-${lang%_*}.png" "$rect" || { echo "screenshots: no $lang launcher window" >&2; status=1; }
  (cd "$work" && run poke.exe quit >/dev/null)
  wait "$launcher_pid" 2>/dev/null; launcher_pid=
done

# A menu of thirty entries, more than a screen of 768 pixels holds in one column: the
# buttons flow into a second column.
long=$work/long
mkdir -p "$long"
cp "$work/autorun.exe" "$work/GlyphKey32.dll" "$work/poke.exe" "$long/"
{
  printf 'title=Autorun menu - thirty lessons\r\nQXName=ThirtyLessons\r\n'
  for n in $(seq 30); do
    printf 'QXicon=%d\r\nshell\\l%d=Lesson %d\r\nshell\\l%d\\command=lesson%d.htm\r\n' \
      $(((n - 1) % 26 + 1)) "$n" "$n" "$n" "$n"
  done
} >"$long/autorun.inf"
(cd "$long" && exec bash "$repo/cmake/wine-run.sh" "$session" autorun.exe) >/dev/null 2>&1 &
launcher_pid=$!
rect=$(cd "$long" && run poke.exe launcher | tr -d '\r') && [ -n "$rect" ] && shoot_named screenshot-columns.png "$rect" ||
  { echo "screenshots: no launcher window with thirty entries" >&2; status=1; }
(cd "$long" && run poke.exe quit >/dev/null)
wait "$launcher_pid" 2>/dev/null; launcher_pid=

# The control library's looks, in a window of their own.
(cd "$work" && exec bash "$repo/cmake/wine-run.sh" "$session" looks.exe 120 >"$work/looks.rect" 2>/dev/null) &
looks_pid=$!
for _ in $(seq 300); do [ -s "$work/looks.rect" ] && break; sleep 0.2; done
rect=$(tr -d '\r' <"$work/looks.rect")
sleep 1  # the last control's paint
[ -n "$rect" ] && shoot_named screenshot-looks.png "$rect" || { echo "screenshots: no looks window" >&2; status=1; }
kill "$looks_pid" 2>/dev/null
pkill -f 'looks.exe 120' 2>/dev/null

# A blank or single-coloured picture means the window was not drawn.
for name in screenshot-demo.png screenshot-demo-ar.png screenshot-demo-hi.png screenshot-popup.png \
  screenshot-about.png screenshot-columns.png screenshot-looks.png; do
  [ -f "$out/$name" ] || { status=1; continue; }
  measure=$(looks_blank "$out/$name") && { echo "screenshots: $name looks blank" >&2; status=1; }
  echo "screenshots: $measure"
done
exit $status

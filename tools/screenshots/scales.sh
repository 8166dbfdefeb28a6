#!/usr/bin/env bash
# The demo disc's launcher at 96, 144 and 240 dpi (100, 150 and 250 %), each in a Wine
# session of its own whose screen has that DPI, side by side in one picture, tops aligned.
#   scales.sh WIN32_BUILD_DIR OUT.png [DISC_FOLDER]
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:?win32 build folder}" && pwd)
out=${2:?output picture}
disc=${3:-$repo/examples/demo}
poke=$build/tests/wine/screenshot_poke.exe
for f in "$build/bin/autorun.exe" "$build/bin/GlyphKey32.dll" "$poke" "$disc/autorun.inf"; do
  [ -f "$f" ] || { echo "scales: $f is missing (build the win32 tree first)" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$disc"/. "$work/"
cp "$build/bin/autorun.exe" "$build/bin/GlyphKey32.dll" "$work/"
cp "$poke" "$work/poke.exe"

shots=()
for dpi in 96 144 240; do
  session=$build/wine-session-shot-$dpi
  # A screen large enough that the menu keeps its single column at 250 %.
  WINE_SESSION_DPI=$dpi WINE_SESSION_SCREEN=1920x1440x24 WINE_SESSION_DESKTOP=1600x1200 \
    bash "$repo/cmake/wine-session.sh" start "$session" >/dev/null || exit 2
  display=$(cat "$session/display")
  . "$here/shoot.sh"
  (cd "$work" && exec bash "$repo/cmake/wine-run.sh" "$session" autorun.exe) >/dev/null 2>&1 &
  launcher=$!
  rect=$(cd "$work" && bash "$repo/cmake/wine-run.sh" "$session" poke.exe launcher | tr -d '\r')
  sleep 1  # the buttons' last paint
  if [ -n "$rect" ] && shoot "$work/shot-$dpi.png" "$rect"; then
    shots+=("$work/shot-$dpi.png")
    echo "scales: $dpi dpi, window $rect"
  else
    echo "scales: no launcher window at $dpi dpi" >&2
  fi
  (cd "$work" && bash "$repo/cmake/wine-run.sh" "$session" poke.exe quit >/dev/null 2>&1)
  wait "$launcher" 2>/dev/null
  bash "$repo/cmake/wine-session.sh" stop "$session" >/dev/null
done
[ ${#shots[@]} = 3 ] || exit 1
convert "${shots[@]}" -bordercolor white -border 12x0 -background white -gravity north +append "$out"
echo "scales: $out"

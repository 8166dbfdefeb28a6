#!/usr/bin/env bash
# Prints the size of each deliverable against its budget and against the size of its
# icons alone (the rendered .ico files of its icon folder in the build tree), and the
# icons' image bytes per size. Fails when a deliverable is over its budget.
#   size_bench.sh WIN32_BUILD_DIR
set -u
build=${1:?Windows build directory}

# bytes of a file, or nothing when it is missing
file_size() { [ -f "$1" ] && stat -c %s "$1"; }

# The image bytes of every .ico file of a folder, summed per image size: each entry of
# an .ico directory is 16 bytes from offset 6, its width byte first (0 for 256) and the
# image's length at +8.
bytes_per_size() {
  local f count i width length
  declare -A sum=()
  for f in "$1"/*.ico; do
    [ -f "$f" ] || continue
    count=$(od -An -tu2 -j4 -N2 "$f" | tr -d ' ')
    for ((i = 0; i < count; i++)); do
      width=$(od -An -tu1 -j$((6 + 16 * i)) -N1 "$f" | tr -d ' ')
      length=$(od -An -tu4 -j$((6 + 16 * i + 8)) -N4 "$f" | tr -d ' ')
      [ "$width" = 0 ] && width=256
      sum[$width]=$(( ${sum[$width]:-0} + length ))
    done
  done
  for width in $(printf '%s\n' "${!sum[@]}" | sort -n); do printf ' %spx %d' "$width" "${sum[$width]}"; done
}

status=0
report() {  # name, budget in KB, icon folder
  local name=$1 budget=$(( $2 * 1024 )) icons=$3 size icon_sum=0 count=0 f
  size=$(file_size "$build/bin/$name")
  for f in "$build/$icons"/*.ico; do
    [ -f "$f" ] || continue
    icon_sum=$(( icon_sum + $(file_size "$f") )); count=$(( count + 1 ))
  done
  if [ -z "$size" ]; then
    echo "size: $name: not built"
    return
  fi
  awk -v n="$name" -v s="$size" -v b="$budget" -v c="$count" -v i="$icon_sum" 'BEGIN {
    printf "size: %-15s %7d bytes = %5.1f KB of its %d KB budget (%d%%); its %d icons alone: %d bytes = %.1f KB (%d%% of the file); the rest: %.1f KB\n",
      n, s, s / 1024, b / 1024, s * 100 / b, c, i, i / 1024, i * 100 / s, (s - i) / 1024 }'
  echo "size: $name icon image bytes per size:$(bytes_per_size "$build/$icons")"
  if [ "$size" -gt "$budget" ]; then
    echo "size: $name is $((size - budget)) bytes over its budget of $budget bytes" >&2
    status=1
  fi
}

report GlyphKey32.dll 56 glyphkey/icons
report autorun.exe 128 launcher/icons
exit $status

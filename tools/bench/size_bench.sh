#!/usr/bin/env bash
# Prints the size of each deliverable against its budget and against the size of
# its icons alone (the rendered .ico files of its icon folder in the build tree).
#   size_bench.sh WIN32_BUILD_DIR
set -u
build=${1:?Windows build directory}

# bytes of a file, or nothing when it is missing
file_size() { [ -f "$1" ] && stat -c %s "$1"; }

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
}

report GlyphKey32.dll 48 glyphkey/icons
report autorun.exe 96 launcher/icons

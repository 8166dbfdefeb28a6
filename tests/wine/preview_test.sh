#!/usr/bin/env bash
# tools/preview.sh on the demo disc in the test run's Wine session: a picture of each
# page and of the popup, none blank, named in order by index.html with the checker's
# report; on a disc of nested popups and pages opened from a popup's item, each page's
# picture has the size the checker gives its window; a folder without a menu file
# stops it with exit status 2.
#   preview_test.sh SOURCE_DIR BUILD_DIR SESSION_DIR
set -u
src=$1; export AUTORUN_BUILD=$2 PREVIEW_SESSION=$3
out=$AUTORUN_BUILD/preview
rm -rf "$out"
failed=0
fail() { echo "FAIL: $*"; failed=1; }
. "$src/tools/screenshots/shoot.sh"

bash "$src/tools/preview.sh" "$src/examples/demo" "$out" || fail "preview of the demo disc exits $?"
pictures=(autorun.png:8 tools.png:3 more.png:8)  # a popup alone has few colours
for entry in "${pictures[@]}"; do
  picture=${entry%:*}
  [ -f "$out/$picture" ] || { fail "no $picture"; continue; }
  looks_blank "$out/$picture" "${entry#*:}" && fail "$picture looks blank"
done
# The pictures in the checker's order, each under its menu file, then the report.
order=$(grep -o 'src="[^"]*"\|<h2>[^<]*</h2>\|clean: 0 warnings' "$out/index.html" | tr '\n' ' ')
want='<h2>autorun.inf</h2> src="autorun.png" <h2>tools.inf</h2> src="tools.png" <h2>more.inf</h2> src="more.png" <h2>autorun-check</h2> clean: 0 warnings '
[ "$order" = "$want" ] || fail "index.html holds: $order"
grep -q 'opened by entry 5 &ldquo;&amp;Tools...&rdquo; of autorun.inf (line 31)' "$out/index.html" ||
  fail "index.html does not say what opens the popup"

# Every page reached, and reached once: its picture is its window (they all differ in
# height); the nested popup is not its opener.
paths=$src/tests/discs/paths
bash "$src/tools/preview.sh" "$paths" "$out/paths" >/dev/null || fail "preview of the paths disc exits $?"
. "$src/tools/checker.sh"
while IFS=$'\t' read -r record file width height columns; do
  picture=$out/paths/${file%.inf}.png
  size=$(identify -format '%w %h' "$picture" 2>/dev/null)
  [ "$size" = "$width $height" ] || fail "the picture of $file is '$size', its window $width $height"
done < <("$(find_checker)" --plain "$paths" | grep '^window')
cmp -s "$out/paths/first.png" "$out/paths/second.png" && fail "the nested popup's picture is its opener's"
[ -f "$out/paths/second.png" ] || fail "no picture of the nested popup"

bash "$src/tools/preview.sh" "$src/tests/discs" "$out/none" 2>/dev/null
status=$?
[ $status = 2 ] || fail "a folder without autorun.inf: exit status $status, expected 2"
[ -e "$out/none/index.html" ] && fail "a folder without autorun.inf got an index.html"
[ $failed = 0 ] && echo "preview: all checks passed"
exit $failed

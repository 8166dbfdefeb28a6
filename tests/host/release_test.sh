#!/usr/bin/env bash
# Builds the release zip twice from stand-in deliverables and compares.
#   release_test.sh SOURCE_DIR WORK_DIR
set -u
src=$1; work=$2
rm -rf "$work"; mkdir -p "$work/bin"
echo "stand-in autorun.exe" >"$work/bin/autorun.exe"
echo "stand-in GlyphKey32.dll" >"$work/bin/GlyphKey32.dll"
failed=0
fail() { echo "FAIL: $*"; failed=1; }
export SOURCE_DATE_EPOCH=1764547200   # 2025-12-01 00:00:00 UTC

bash "$src/tools/release.sh" "$work/bin" "$work/first.zip" || fail "first build"
# A second build later, from deliverables with other file times, under another time zone.
sleep 1; touch "$work/bin/autorun.exe"
TZ=America/New_York bash "$src/tools/release.sh" "$work/bin" "$work/second.zip" || fail "second build"
cmp -s "$work/first.zip" "$work/second.zip" || fail "two builds differ"

version=$(sed -n 's/^project(AutorunMenu VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
names=$(unzip -Z1 "$work/first.zip")
echo "$names"
for want in autorun.exe GlyphKey32.dll autorun.inf LICENSE docs/authoring-guide.md; do
  echo "$names" | grep -qx "autorun-menu-$version/$want" || fail "$want missing"
done
[ "$names" = "$(echo "$names" | LC_ALL=C sort)" ] || fail "entries not sorted"
# Every entry carries the fixed time.
times=$(TZ=UTC unzip -Z -T "$work/first.zip" | awk 'NF > 7 && $1 ~ /^-/ { print $7 }' | sort -u)
[ "$times" = "20251201.000000" ] || fail "entry times: $times"
# The deliverables and the licence are the ones given.
unzip -p "$work/first.zip" "autorun-menu-$version/autorun.exe" | grep -q "stand-in autorun.exe" || fail "autorun.exe content"
unzip -p "$work/first.zip" "autorun-menu-$version/LICENSE" | grep -q "Copyright (c) 2026 the Autorun menu authors" ||
  fail "LICENSE content"
# Without the deliverables there is no package.
bash "$src/tools/release.sh" "$work/none" "$work/none.zip" 2>/dev/null && fail "a package without deliverables"
[ -f "$work/none.zip" ] && fail "none.zip was left"
[ $failed = 0 ] && echo "release: all checks passed"
exit $failed

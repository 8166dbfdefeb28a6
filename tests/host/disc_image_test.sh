#!/usr/bin/env bash
# Builds disc images with tools/make-disc-image.sh and reads them back.
#   disc_image_test.sh SOURCE_DIR AUTORUN_CHECK WORK_DIR
set -u
src=$1; export AUTORUN_CHECK=$2; work=$3
rm -rf "$work"; mkdir -p "$work/bin"
# Stand-ins for the deliverables, which the host tree does not build.
echo "stand-in autorun.exe" >"$work/bin/autorun.exe"
echo "stand-in GlyphKey32.dll" >"$work/bin/GlyphKey32.dll"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Joliet names (case kept), as Windows reads the disc.
joliet_files() { xorriso -read_fs norock -indev "$1" -find / -type f 2>/dev/null | tr -d "'" | sort; }
volume_id() { xorriso -indev "$1" -pvd_info 2>/dev/null | sed -n 's/^Volume Id *: *//p'; }

# image_of NAME FOLDER LABEL: every file of the folder and both deliverables, under the label.
image_of() {
  local name=$1 folder=$2 label=$3 iso=$work/$1.iso
  bash "$src/tools/make-disc-image.sh" --strict "$folder" "$iso" "$work/bin" >"$work/$name.log" 2>&1 ||
    { fail "$name: make-disc-image failed"; cat "$work/$name.log"; return; }
  local want got
  want=$( (cd "$folder" && find . -type f | sed 's|^\.||'; echo /autorun.exe; echo /GlyphKey32.dll) | sort -u)
  got=$(joliet_files "$iso")
  [ "$want" = "$got" ] || fail "$name: the image holds"$'\n'"$got"$'\n'"expected"$'\n'"$want"
  [ "$(volume_id "$iso")" = "$label" ] || fail "$name: volume id '$(volume_id "$iso")', expected '$label'"
  echo "$name: $(echo "$got" | wc -l) files, volume $(volume_id "$iso")"
}

image_of clean "$src/tests/discs/clean" CLEANDISC
if [ -f "$src/examples/demo/autorun.inf" ]; then
  label=$("$AUTORUN_CHECK" --plain "$src/examples/demo" | awk -F'\t' '$1 == "name" { print toupper($4); exit }' |
          tr -c 'A-Z0-9_\n' '_' | cut -c1-32)
  image_of demo "$src/examples/demo" "${label:-AUTORUN_DISC}"
  # The demo's own files are there under their Windows names.
  for f in /autorun.inf /autorun.exe /GlyphKey32.dll; do
    joliet_files "$work/demo.iso" | grep -qx "$f" || fail "demo: $f missing"
  done
else
  echo "no examples/demo yet: only the clean test disc is imaged"
fi

# A disc name with blanks and letters outside ISO's set becomes a safe label, cut at 32.
mkdir -p "$work/named"
printf '[autorun]\nopen=autorun.exe\nQXName=My disc: version 2.0, with a very long name indeed\nQXicon=1\nshell\\a=A\nshell\\a\\command=notepad.exe\n' \
  >"$work/named/autorun.inf"
image_of named "$work/named" MY_DISC__VERSION_2_0__WITH_A_VER

# Warnings: refused with --strict, made without it; an unreadable disc is refused.
bash "$src/tools/make-disc-image.sh" --strict "$src/tests/discs/broken-caption" "$work/b.iso" "$work/bin" >/dev/null 2>&1
[ $? = 1 ] && [ ! -f "$work/b.iso" ] || fail "--strict made an image of a disc with warnings"
bash "$src/tools/make-disc-image.sh" "$src/tests/discs/broken-caption" "$work/b.iso" "$work/bin" >"$work/b.log" 2>&1 &&
  [ -f "$work/b.iso" ] && grep -q 'autorun.inf:5: warning:' "$work/b.log" ||
  fail "without --strict, a disc with warnings gives an image and shows the warnings"
mkdir -p "$work/empty"
bash "$src/tools/make-disc-image.sh" "$work/empty" "$work/e.iso" "$work/bin" >/dev/null 2>&1
[ $? = 2 ] && [ ! -f "$work/e.iso" ] || fail "a folder without autorun.inf gave an image"

[ $failed = 0 ] && echo "disc image: all checks passed"
exit $failed

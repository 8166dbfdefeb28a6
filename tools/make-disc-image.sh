#!/usr/bin/env bash
# Makes an ISO 9660 image (with Joliet names) of a disc folder: the folder's
# files, the menu files, autorun.exe and GlyphKey32.dll at the root, and the
# volume label taken from the menu's disc name (QXName). The folder is checked
# with autorun-check first.
#   make-disc-image.sh [--strict] DISC_FOLDER OUTPUT.iso [BIN_DIR]
# BIN_DIR holds autorun.exe and GlyphKey32.dll (default: build/win32/bin).
# --strict refuses a folder that autorun-check warns about.
# AUTORUN_CHECK may name the checker; otherwise the host tree's is used (built when missing).
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
strict=0
if [ "${1:-}" = "--strict" ]; then strict=1; shift; fi
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: make-disc-image.sh [--strict] DISC_FOLDER OUTPUT.iso [BIN_DIR]" >&2
  exit 2
fi
disc=$1; out=$2; bin=${3:-$repo/build/win32/bin}
[ -d "$disc" ] || { echo "make-disc-image: $disc is not a folder" >&2; exit 2; }
command -v xorriso >/dev/null || { echo "make-disc-image: xorriso is missing (bash tools/setup.sh installs it)" >&2; exit 2; }

. "$here/checker.sh"
checker=$(find_checker) || exit 2

# The check: listing and warnings in the script format, warnings shown to the user.
report=$("$checker" --plain "$disc")
status=$?
case $status in
  0) echo "make-disc-image: autorun-check finds the disc clean" ;;
  1) echo "$report" | grep ': warning: ' >&2
     if [ $strict = 1 ]; then echo "make-disc-image: autorun-check warns; not making the image (--strict)" >&2; exit 1; fi
     echo "make-disc-image: autorun-check warns (above); making the image all the same" >&2 ;;
  *) echo "make-disc-image: autorun-check cannot read the disc's menu; no image" >&2; exit 2 ;;
esac

# The volume label: the start page's disc name, in the characters ISO 9660 allows
# (upper-case letters, digits and "_"), at most 32 of them.
name=$(printf '%s\n' "$report" | awk -F'\t' '$1 == "name" { v = $4 } $1 == "menu" && NR > 1 { exit } END { print v }')
label=$(printf '%s' "$name" | tr '[:lower:]' '[:upper:]' | tr -c 'A-Z0-9_' '_' | cut -c1-32)
[ -n "$label" ] || label=AUTORUN_DISC

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -R "$disc"/. "$stage"/
for deliverable in autorun.exe GlyphKey32.dll; do
  if [ -f "$bin/$deliverable" ]; then
    cp "$bin/$deliverable" "$stage/"
  elif [ -f "$stage/$deliverable" ]; then
    echo "make-disc-image: $bin has no $deliverable; keeping the one in the disc folder" >&2
  else
    echo "make-disc-image: $bin has no $deliverable; the image goes without it (build the win32 tree first)" >&2
  fi
done

rm -f "$out"
if ! xorriso -as mkisofs -quiet -iso-level 3 -J -joliet-long -r -V "$label" -o "$out" "$stage" 2>"$stage.log"; then
  cat "$stage.log" >&2; rm -f "$stage.log"
  echo "make-disc-image: xorriso failed" >&2
  exit 2
fi
rm -f "$stage.log"
echo "make-disc-image: $out, volume $label, $(find "$stage" -type f | wc -l) files"

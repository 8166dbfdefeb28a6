#!/usr/bin/env bash
# Builds the two deliverables twice, in two build folders of different paths and with
# the build date fixed by SOURCE_DATE_EPOCH, and compares them byte for byte; then
# checks what they import.
#   reproducible_build_test.sh SOURCE_DIR WORK_DIR
set -u
src=$1; work=$2
rm -rf "$work"; mkdir -p "$work"
export SOURCE_DATE_EPOCH=1764547200   # 2025-12-01 00:00:00 UTC
failed=0
for build in first second-build-in-a-longer-path; do
  cmake -S "$src" -B "$work/$build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel >"$work/$build.log" 2>&1 &&
    cmake --build "$work/$build" --target autorun glyphkey -j2 >>"$work/$build.log" 2>&1 ||
    { echo "FAIL: the $build build failed"; tail -n 20 "$work/$build.log"; exit 1; }
done
for file in autorun.exe GlyphKey32.dll; do
  a=$work/first/bin/$file b=$work/second-build-in-a-longer-path/bin/$file
  if cmp -s "$a" "$b"; then
    echo "$file: $(stat -c %s "$a") bytes, the same in both builds"
  else
    echo "FAIL: $file differs between the two builds"; cmp "$a" "$b" | head -3; failed=1
  fi
done
# Both are marked to run from the paging file when started from a CD or a USB stick, so
# that ejecting the disc does not end them, and their checksums still hold.
for file in autorun.exe GlyphKey32.dll; do
  i686-w64-mingw32-objdump -p "$work/first/bin/$file" | grep -q 'copy to swap file if on removable media' ||
    { echo "FAIL: $file is not marked to run from swap on removable media"; failed=1; }
  bash "$src/cmake/run-from-swap.sh" --check "$work/first/bin/$file" || failed=1
done
# Both import only system DLLs, and the launcher does not import ole32.dll: it loads it
# only for the elevation prompt, so that starting costs nothing more.
allowed=" advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll "
for file in autorun.exe GlyphKey32.dll; do
  for dll in $(i686-w64-mingw32-objdump -p "$work/first/bin/$file" | awk '/DLL Name:/ { print tolower($3) }'); do
    case "$allowed" in *" $dll "*) ;; *) echo "FAIL: $file imports $dll"; failed=1 ;; esac
  done
done
# Windows 10's DPI functions are looked up when the programs run: imported, they would
# stop both from starting on Windows 7 and 8.1, while every Wine test still passed.
dpi_functions='GetDpiForWindow|GetDpiForSystem|GetSystemMetricsForDpi|AdjustWindowRectExForDpi|SystemParametersInfoForDpi|SetDialogDpiChangeBehavior|SetThreadDpiAwarenessContext|EnableNonClientDpiScaling|GetDpiForMonitor|GetWindowDpiAwarenessContext|GetAwarenessFromDpiAwarenessContext'
for file in autorun.exe GlyphKey32.dll; do
  found=$(i686-w64-mingw32-objdump -p "$work/first/bin/$file" | grep -Ewo "$dpi_functions" | sort -u | tr '\n' ' ')
  [ -z "$found" ] || { echo "FAIL: $file imports $found"; failed=1; }
done
# The About box shows the date that SOURCE_DATE_EPOCH gives.
grep -aq "Dec  1 2025" "$work/first/bin/autorun.exe" || { echo "FAIL: the build date is not Dec  1 2025"; failed=1; }
rm -rf "$work"
exit $failed

#!/usr/bin/env bash
# Sets up, builds and runs every test: the host tree (pure code, sanitizers,
# disc tools) and the Windows tree (the deliverables under Wine).
set -u
cd "$(dirname "$0")/.."
bash tools/setup.sh || exit 1
corpus=${AUTORUN_CORPUS_DIR:-../shared/corpus/autorun-inf}
if [ ! -d "$corpus" ]; then
  echo "note: no corpus of real autorun.inf files at $corpus: the cases that read it are skipped;"
  echo "      AUTORUN_CORPUS_DIR=/path/to/shared/corpus/autorun-inf bash tools/test.sh runs them"
fi
status=0
for tree in host win32; do
  echo "=== $tree tree ==="
  cmake --preset "$tree" >/dev/null || { echo "configure of the $tree tree failed" >&2; exit 1; }
  cmake --build --preset "$tree" || { echo "build of the $tree tree failed" >&2; exit 1; }
  # Under CPU emulation a Wine process now and then dies of the emulator, not of the
  # code under test: there a failed test program gets one more run.
  retry=()
  [ "$tree" = win32 ] && [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && retry=(--repeat until-pass:2)
  ctest --preset "$tree" "${retry[@]}" || status=1
done
exit $status

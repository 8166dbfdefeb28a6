#!/usr/bin/env bash
# Runs every benchmark and prints its figures: the deliverables' sizes, the
# launcher's start-up time against a minimal dialog under Wine, and the menu
# reader's throughput and peak memory. Figures only, but for the size budgets
# (autorun.exe 128 KB, GlyphKey32.dll 56 KB): over one, the script fails at its end.
#   bash tools/bench.sh    (BENCH_HOST_DIR, BENCH_WIN32_DIR choose the build dirs)
set -u
cd "$(dirname "$0")/.."
host=${BENCH_HOST_DIR:-build/bench-host}
win=${BENCH_WIN32_DIR:-build/bench-win32}
runs=${BENCH_STARTUP_RUNS:-10}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(wine --version 2>/dev/null)"
echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"

# The reader is measured as it ships: optimised, without the host tree's sanitizers.
if cmake -S . -B "$host" -DHOST_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null &&
   cmake --build "$host" --target reader_bench -j2 >/dev/null; then
  for what in throughput long-line long-title; do "$host/tools/bench/reader_bench" "$what"; done
else
  echo "reader: the host benchmark did not build"
fi

cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null ||
  { echo "the Windows tree did not configure"; exit 1; }
targets="startup_bench minimal_dialog"
for t in autorun glyphkey; do
  cmake --build "$win" --target help | grep -x "\.\.\. $t" >/dev/null && targets="$targets $t"
done
cmake --build "$win" --target $targets -j2 >/dev/null || echo "note: not every Windows target built"
bash tools/bench/size_bench.sh "$win"
sizes=$?

session="$win/wine-session"
bash cmake/wine-session.sh start "$session" >/dev/null
bin_windows="Z:$(cd "$win/bin" && pwd)"
DISC_BIN_DIR=${bin_windows//\//\\} bash cmake/wine-run.sh "$session" "$win/tests/wine/startup_bench.exe" "$runs"
bash cmake/wine-session.sh stop "$session" >/dev/null
exit $sizes

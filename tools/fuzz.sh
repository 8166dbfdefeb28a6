#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a while:
#   tools/fuzz.sh [seconds-per-target]   (default 60)
# FUZZ_BUILD_DIR chooses the build directory (default build/fuzz). Exits non-zero
# when a target crashes; the input that did it lands in <build>/crashes/. Skips,
# with a message and success, when clang or its libFuzzer runtime is missing.
set -u
seconds=${1:-60}
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$repo/build/fuzz}
# The real-world autorun.inf files beside the repository (or where AUTORUN_CORPUS_DIR
# names) seed the menu reader too; without them it starts from its own seeds alone.
shared_corpus=${AUTORUN_CORPUS_DIR:-$repo/../shared/corpus/autorun-inf}
targets=(menu_reader control_text compose_command_line substitute_document)

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! command -v clang++ >/dev/null || ! clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
  echo "fuzz: skipped: clang++ with its libFuzzer runtime is not installed (Debian: libclang-rt-dev)"
  exit 0
fi

mkdir -p "$build"
log="$build/build.log"
if ! { CXX=clang++ cmake -S "$repo/tests/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=Debug &&
       cmake --build "$build" -j2; } >"$log" 2>&1; then
  echo "fuzz: the targets did not build; the end of $log:" >&2
  tail -n 30 "$log" >&2
  exit 1
fi
if grep -q 'warning:' "$log"; then grep 'warning:' "$log" >&2; fi

status=0
for t in "${targets[@]}"; do
  work="$build/corpus/$t"
  mkdir -p "$work" "$build/crashes"
  seeds=("$repo/tests/fuzz/seeds/$t")
  if [ "$t" = menu_reader ]; then
    if [ -d "$shared_corpus" ]; then
      seeds+=("$shared_corpus")
    else
      echo "fuzz: $t: no corpus of real autorun.inf files at $shared_corpus; seeding from" \
        "tests/fuzz/seeds/$t alone (set AUTORUN_CORPUS_DIR to the project's shared/corpus/autorun-inf)"
    fi
  fi
  # New inputs go to the first directory, the build's own; the seed dirs are only read.
  if "$build/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -print_final_stats=1 -artifact_prefix="$build/crashes/$t-" "$work" "${seeds[@]}" \
       >"$build/$t.log" 2>&1; then
    echo "fuzz: $t: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/$t.log" | grep -o '[0-9]*$') runs, no crash"
  else
    echo "fuzz: $t: CRASH; the end of $build/$t.log:" >&2
    tail -n 40 "$build/$t.log" >&2
    status=1
  fi
done
exit $status

#!/usr/bin/env bash
# Runs one Windows program under the test run's Wine session (started on demand).
#   wine-run.sh SESSION_DIR program.exe [arguments...]
set -u
dir=${1:?session directory}; shift
here=$(dirname "$0")
if [ ! -f "$dir/display" ] || [ ! -f "$dir/prefix/.booted" ]; then
  bash "$here/wine-session.sh" start "$dir" >/dev/null || exit 1
fi
dir=$(cd "$dir" && pwd)
. "$here/wine-env.sh" "$dir"
export DISPLAY=$(cat "$dir/display")
# The Wine processes that a program's start brings up (the wineserver, plugplay.exe)
# inherit its standard output and error and may outlive it; under CPU emulation one of
# them now and then hangs. A caller that reads a pipe (ctest, $(...)) would then wait
# for the pipe's end long after the program has ended, so there the output goes through
# files, which have no end to wait for, and is passed on when the program ends.
if [ -p /dev/stdout ] || [ -p /dev/stderr ]; then
  out=$(mktemp) err=$(mktemp)
  trap 'rm -f "$out" "$err"' EXIT
  wine "$@" >"$out" 2>"$err"
  status=$?
  cat "$err" >&2
  cat "$out"
  exit $status
fi
exec wine "$@"

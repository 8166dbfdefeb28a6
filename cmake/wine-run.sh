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
exec wine "$@"

#!/usr/bin/env bash
# Builds the Windows tree and opens the launcher on the demo disc under Wine: on
# $DISPLAY when there is one, else on the build tree's own Xvfb session, leaving a
# screenshot in build/demo-shot.png.
set -u
cd "$(dirname "$0")/.."
bash tools/setup.sh || exit 1
cmake --preset win32 >/dev/null && cmake --build --preset win32 || exit 1
disc=$(mktemp -d)
cp -r examples/demo/. "$disc/" && cp build/win32/bin/autorun.exe build/win32/bin/GlyphKey32.dll "$disc/"
session=build/win32/wine-session
if [ -n "${DISPLAY:-}" ]; then
  (. cmake/wine-env.sh && cd "$disc" && wine autorun.exe)
else
  bash cmake/wine-session.sh start "$session" || exit 1
  repo=$(pwd)
  # Windows maps .txt to the txtfile class (notepad); a new Wine 8 prefix has the class
  # but not the mapping, and the demo's text files would open in nothing.
  (. cmake/wine-env.sh "$repo/$session" && DISPLAY=$(cat "$session/display") wine reg add 'HKCR\.txt' /ve /d txtfile /f) >/dev/null 2>&1
  start_launcher() {
    (cd "$disc" && exec bash "$repo/cmake/wine-run.sh" "$repo/$session" autorun.exe) >/dev/null 2>&1 &
    pid=$!
  }
  shoot() { DISPLAY=$(cat "$session/display") import -window root build/demo-shot.png; }
  # Wait for the window to be painted (a blank screen has a colour or two). Under CPU
  # emulation a Wine process now and then dies while it starts: then it starts again.
  start_launcher; starts=1
  for _ in $(seq 60); do
    sleep 1; shoot
    [ "$(convert build/demo-shot.png -format '%k' info:)" -gt 8 ] && break
    if ! kill -0 "$pid" 2>/dev/null && [ $starts -lt 3 ]; then start_launcher; starts=$((starts + 1)); fi
  done
  sleep 1; shoot  # every button painted
  echo "demo: screenshot in build/demo-shot.png"
  bash cmake/wine-session.sh stop "$session" >/dev/null
fi
rm -rf "$disc"

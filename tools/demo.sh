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
  (cd "$disc" && bash "$OLDPWD/cmake/wine-run.sh" "$OLDPWD/$session" autorun.exe &)
  sleep 15  # long enough for a Wine that runs under CPU emulation
  DISPLAY=$(cat "$session/display") import -window root build/demo-shot.png
  echo "demo: screenshot in build/demo-shot.png"
  bash cmake/wine-session.sh stop "$session" >/dev/null
fi
rm -rf "$disc"

#!/usr/bin/env bash
# Starts or stops the Wine session of one test run: an Xvfb display and a Wine
# prefix inside the build tree (never the user's ~/.wine), with Wine's virtual
# desktop so that windows get focus and activation as on Windows.
#   wine-session.sh start|resume|stop|link-fonts|unlink-fonts SESSION_DIR [bold]
# start makes a new prefix; resume keeps the one there, booting one only when there is
# none. WINE_SESSION_SCREEN (1280x1024x24) and WINE_SESSION_DESKTOP (1024x768) size the
# X screen and the virtual desktop of a prefix that is booted; WINE_SESSION_DPI (96) its
# screen's DPI, the LogPixels of Windows' display scaling (144 for 150 %).
set -u
cmd=${1:?start or stop}; dir=${2:?session directory}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
WINEDEBUG=-all . "$(dirname "$0")/wine-env.sh" "$dir"

start_display() {
  if [ -f "$dir/display" ] && [ -f "$dir/xvfb.pid" ] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null; then
    return 0
  fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${WINE_SESSION_SCREEN:-1280x1024x24}" -nolisten tcp >"$dir/xvfb.log" 2>&1 9>&- &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  echo ":$n" >"$dir/display"
}

# Windows links its dialog fonts to the fonts of the scripts they lack (Nirmala UI for
# Devanagari, and so on), bold faces included; Wine links them to what SystemLink names,
# for each face by its full name. The message font is Tahoma, or where Wine has none the
# Liberation Sans that stands in for it. Linked fonts change that font's line metrics in
# Wine, so the links are made only for the pictures (screenshots, previews), not for the
# tests that measure captions.
# "link-fonts DIR bold" links the bold faces alone, which the picture buttons' captions and
# the caption bar use: the dialog font, and with it the dialog's layout, stays as it is.
font_links() {
  export DISPLAY=$(cat "$dir/display")
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' face
  local saved="$dir/systemlink.reg" savedWindows="Z:${dir//\//\\}\\systemlink.reg"
  local faces=(Tahoma "Tahoma Bold" "Liberation Sans" "Liberation Sans Bold")
  [ "${2:-}" = bold ] && faces=("Tahoma Bold" "Liberation Sans Bold")
  # Wine's own links (its Tahoma names fonts of Windows) are kept aside and put back.
  [ "$1" = on ] && [ ! -f "$saved" ] && wine reg export "$key" "$savedWindows" /y >/dev/null 2>&1
  for face in "${faces[@]}"; do
    if [ "$1" = on ]; then
      wine reg add "$key" /v "$face" /t REG_MULTI_SZ \
        /d 'Lohit-Devanagari.ttf,Lohit Devanagari\0DroidSansFallbackFull.ttf,Droid Sans Fallback\0DejaVuSans.ttf,DejaVu Sans' \
        /f >/dev/null 2>&1
    else
      wine reg delete "$key" /v "$face" /f >/dev/null 2>&1
    fi
  done
  if [ "$1" = off ] && [ -f "$saved" ]; then
    wine reg import "$savedWindows" >/dev/null 2>&1
    rm -f "$saved"
  fi
}

boot_prefix() {
  export DISPLAY=$(cat "$dir/display")
  if [ ! -f "$dir/prefix/.booted" ]; then
    # Under CPU emulation a boot now and then hangs in one of Wine's own programs: it
    # gets a time limit, and a new prefix gets two more tries.
    local try
    for try in 1 2 3; do
      timeout 150 wineboot -i >"$dir/wineboot.log" 2>&1 9>&- && timeout 60 wineserver -w 9>&- &&
        [ -f "$dir/prefix/drive_c/windows/system32/kernel32.dll" ] && break
      echo "wine session: boot $try of the prefix failed or hung" >&2
      wineserver -k 2>/dev/null; sleep 1
      rm -rf "$dir/prefix"
      if [ "$try" = 3 ]; then
        echo "wine session: the prefix did not boot; the last lines of wineboot:" >&2
        tail -n 15 "$dir/wineboot.log" >&2
        return 1
      fi
    done
    # Every program of the session shares one virtual desktop of Wine's own. Under
    # CPU emulation explorer.exe, which owns that desktop, does not survive, so there
    # the programs' windows go straight onto the Xvfb screen, which works as well for
    # a test.
    if [ -z "${QEMU_CPU:-}" ]; then
      wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${WINE_SESSION_DESKTOP:-1024x768}" /f >/dev/null 2>&1
    else
      # No window manager draws their frames there: Wine draws them itself, as Windows.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    fi
    # Windows 10's outline colour for buttons: Wine's own (158 on a face of 245) stands
    # out from the face by less than 3:1, where the picture buttons take their contrast look.
    wine reg add 'HKCU\Control Panel\Colors' /v WindowFrame /d '100 100 100' /f >/dev/null 2>&1
    if [ -n "${WINE_SESSION_DPI:-}" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$WINE_SESSION_DPI" /f >/dev/null 2>&1
    fi
    timeout 60 wineserver -w 9>&-
    touch "$dir/prefix/.booted"
  fi
}

case "$cmd" in
  start|resume)
    exec 9>"$dir/lock"; flock 9
    start_display
    # A test run starts from a new prefix, so no state of an earlier run leaks in.
    [ "$cmd" = start ] && [ -d "$dir/prefix" ] &&
      { DISPLAY=$(cat "$dir/display") wineserver -k 2>/dev/null; rm -rf "$dir/prefix"; }
    boot_prefix || exit 1
    echo "wine session: display $(cat "$dir/display"), prefix $dir/prefix"
    ;;
  link-fonts|unlink-fonts)
    [ -f "$dir/display" ] && [ -f "$dir/prefix/.booted" ] || { echo "wine session: none at $dir" >&2; exit 1; }
    font_links "$([ "$cmd" = link-fonts ] && echo on || echo off)" "${3:-}"
    ;;
  stop)
    [ -f "$dir/display" ] && DISPLAY=$(cat "$dir/display") wineserver -k 2>/dev/null
    if [ -f "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null; rm -f "$dir/xvfb.pid"; fi
    rm -f "$dir/display"
    echo "wine session stopped"
    ;;
  *) echo "usage: wine-session.sh start|resume|stop|link-fonts|unlink-fonts DIR" >&2; exit 2 ;;
esac

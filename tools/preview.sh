#!/usr/bin/env bash
# Previews a disc without Windows: runs the launcher on a copy of the disc folder
# under Wine on a private Xvfb display and writes one picture of each page and popup
# that the disc's menus reach, in the order autorun-check lists them, and an
# index.html that shows them with the checker's report.
#   preview.sh [--codepage N] [--dpi N] [--language TAG] DISC_FOLDER OUT_DIR
# --dpi N shows the pages as a screen at N dpi does (144 is 150 %): the session's prefix
# has that LogPixels, and its screen is the 1366 x 768 one scaled.
# --language TAG shows the disc as a user whose Windows speaks TAG (de, de-CH, pt-BR)
# sees it: the start menu that the disc's QXlanguage lines give that user.
# Pages and popups are reached as a user reaches them: a page's button, a popup's item.
# No other command is carried out. Exit status: 0 the pictures are made, 1 a picture
# could not be made, 2 the menu cannot be read (or wrong arguments).
# AUTORUN_BUILD names the Windows build tree (build/win32, built when its programs are
# missing); PREVIEW_SESSION the Wine session (build/preview-session, kept between runs
# so that a second preview is quick; it never touches ~/.wine; one per DPI, with
# "-144dpi" after its name at 144 dpi).
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
usage() { echo "usage: preview.sh [--codepage N] [--dpi N] [--language TAG] DISC_FOLDER OUT_DIR" >&2; exit 2; }
codepage=
dpi=96
language=
while [ $# -gt 2 ]; do
  case "$1" in
    --codepage) codepage=${2:-}; shift 2 || usage ;;
    --dpi) dpi=${2:-}; shift 2 || usage ;;
    --language) language=${2:-}; shift 2 || usage ;;
    *) usage ;;
  esac
done
[ $# = 2 ] || usage
case "$dpi" in
  '' | *[!0-9]*) echo "preview: '$dpi' is not a DPI" >&2; exit 2 ;;
esac
[ "$dpi" -ge 48 ] && [ "$dpi" -le 480 ] || { echo "preview: the DPI goes from 48 to 480" >&2; exit 2; }
disc=$1; out=$2
[ -d "$disc" ] || { echo "preview: $disc is not a folder" >&2; exit 2; }

# Wine reads a disc in the ANSI code page of its locale; a locale it knows stands for
# each code page (the system needs no such locale of its own).
locale=
case "$codepage" in
  "" | 1252) ;;
  874) locale=th_TH ;; 932) locale=ja_JP ;; 936) locale=zh_CN ;; 949) locale=ko_KR ;;
  950) locale=zh_TW ;; 1250) locale=pl_PL ;; 1251) locale=ru_RU ;; 1253) locale=el_GR ;;
  1254) locale=tr_TR ;; 1255) locale=he_IL ;; 1256) locale=ar_EG ;; 1257) locale=lt_LT ;;
  1258) locale=vi_VN ;;
  *) echo "preview: Wine has no Windows locale of code page $codepage (874, 932, 936, 949, 950 and 1250 to 1258 work)" >&2
     exit 2 ;;
esac
# Wine takes the user's interface language from the locale of its messages: de-CH is
# de_CH, a tag without a country its language alone.
messages=
if [ -n "$language" ]; then
  case "$language" in
    *[!A-Za-z0-9-]* | -* | *-) echo "preview: '$language' is not a language tag" >&2; exit 2 ;;
  esac
  primary=${language%%-*}; country=${language#"$primary"}; country=${country#-}; country=${country%%-*}
  messages=$(echo "$primary" | tr 'A-Z' 'a-z')${country:+_$(echo "$country" | tr 'a-z' 'A-Z')}.UTF-8
fi
# The menus that the session's user reads: a new prefix speaks US English.
check_args=(${codepage:+--codepage "$codepage"} --dpi "$dpi" --language "${language:-en-US}")

# The checker first: a menu that cannot be read has nothing to show.
. "$here/checker.sh"
checker=$(find_checker) || exit 2
records=$("$checker" --plain "${check_args[@]}" "$disc")
check_status=$?
[ $check_status = 2 ] && exit 2  # the checker said why
report=$("$checker" --readable "${check_args[@]}" "$disc")
warnings=$(printf '%s\n' "$records" | grep -c ': warning: ')
[ "$warnings" -gt 0 ] && printf '%s\n' "$records" | grep ': warning: ' >&2

# The launcher, its library and the driver from the Windows tree, built when missing.
build=${AUTORUN_BUILD:-$repo/build/win32}
poke=$build/tests/wine/screenshot_poke.exe
if [ ! -f "$build/bin/autorun.exe" ] || [ ! -f "$build/bin/GlyphKey32.dll" ] || [ ! -f "$poke" ]; then
  echo "preview: building the launcher in $build (once)" >&2
  (cd "$repo" && cmake --preset win32 >/dev/null && cmake --build --preset win32 --target autorun glyphkey screenshot_poke >/dev/null) ||
    { echo "preview: cannot build the launcher (bash tools/setup.sh installs what it needs)" >&2; exit 1; }
fi

# The session: its prefix stays for the next preview, its display and Wine's processes
# go when this one ends. A new prefix has a desktop of the checker's screen (a 1366 x 768
# screen less its task bar) and no auto-start choice, so nothing starts by itself.
session=${PREVIEW_SESSION:-$repo/build/preview-session}
[ "$dpi" = 96 ] || session=$session-${dpi}dpi
# The checker's screen at that DPI: 1366 x 768 at 100 %, as much larger as the DPI is.
scaled() { echo $((($1 * dpi + 48) / 96)); }
mkdir -p "$session"; session=$(cd "$session" && pwd)
# One preview at a time in a session: the one that started the display ends it. The
# lock's descriptor is closed for the programs started, so none keeps it.
exec 8>"$session/preview.lock"
flock 8
own_display=0
if [ ! -f "$session/xvfb.pid" ] || ! kill -0 "$(cat "$session/xvfb.pid")" 2>/dev/null || [ ! -f "$session/prefix/.booted" ]; then
  [ -f "$session/prefix/.booted" ] || echo "preview: preparing a Wine prefix in $session (once, about 20 seconds)" >&2
  WINE_SESSION_SCREEN=$(scaled 1366)x$(scaled 768)x24 WINE_SESSION_DESKTOP=$(scaled 1366)x$(scaled 728) \
    WINE_SESSION_DPI=$dpi bash "$repo/cmake/wine-session.sh" resume "$session" >/dev/null 8>&- ||
    { echo "preview: cannot start Wine (bash tools/setup.sh installs it)" >&2; exit 1; }
  own_display=1
fi
display=$(cat "$session/display")
# The preview's own session draws the captions in every script as Windows draws them; the
# dialog font stays unlinked, so that every window keeps the size the checker gives it.
bash "$repo/cmake/wine-session.sh" link-fonts "$session" bold 8>&-
. "$here/screenshots/shoot.sh"
# Wine's programs in the session, in the locale of the disc's code page.
wine_in() {
  local dir=$1; shift
  # A language alone is the whole locale (and its code page, as that user's Windows has
  # it); with a code page too, the code page's locale is that of the characters alone.
  local all=${locale:+$locale.UTF-8} code=
  [ -n "$messages" ] && { code=$all; all=$messages; [ -n "$code" ] && all=; }
  (cd "$dir" && . "$repo/cmake/wine-env.sh" "$session" && DISPLAY=$display exec env ${messages:+-u LC_ALL} \
    ${all:+LC_ALL=$all} ${code:+LC_CTYPE=$code LC_MESSAGES=$messages} wine "$@" 8>&-)
}

work=$(mktemp -d)
launcher_pid=
quit_launcher() {
  [ -n "$launcher_pid" ] || return 0
  wine_in "$work" "$poke" quit >/dev/null 2>&1
  for _ in $(seq 30); do kill -0 "$launcher_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$launcher_pid" 2>/dev/null
  wait "$launcher_pid" 2>/dev/null
  launcher_pid=
}
cleanup() {
  quit_launcher
  # A session shared with tests (PREVIEW_SESSION) gets its fonts back as they were.
  bash "$repo/cmake/wine-session.sh" unlink-fonts "$session" 8>&- >/dev/null 2>&1
  [ $own_display = 1 ] && bash "$repo/cmake/wine-session.sh" stop "$session" >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
cp -R "$disc"/. "$work/"
cp "$build/bin/autorun.exe" "$build/bin/GlyphKey32.dll" "$work/"
mkdir -p "$out"; out=$(cd "$out" && pwd)

# The menus in the checker's order: number, kind, file, the menu it is opened from, the
# entry that opens it and its line (0 and "" for the start page), the entry's caption and
# the menu's title. Fields are apart by a unit separator: a tab between empty fields
# would count once.
plan=$(printf '%s\n' "$records" | awk -F'\t' '
  $1 == "entry" { entry[$2 "\t" $3] = $4; caption[$2 "\t" $3] = $5 }
  $1 == "title" { title[$2] = $4 }
  $1 == "menu" { n++; kind[n] = $3; file[n] = $2; from[n] = $4; if (!(($2) in first)) first[$2] = n }
  END {
    for (k = 1; k <= n; k++) {
      parent = 0; number = 0; line = ""; text = ""
      if (from[k] != "") {
        where = from[k]; sub(/:[0-9]+$/, "", where); line = substr(from[k], length(where) + 2)
        parent = first[where]; number = entry[where "\t" line]; text = caption[where "\t" line]
      }
      printf "%d\037%s\037%s\037%d\037%d\037%s\037%s\037%s\n", k, kind[k], file[k], parent, number, line, text, title[file[k]]
    }
  }')
declare -a kind file parent number line caption title picture
while IFS=$'\037' read -r k a b c d e f g; do
  kind[$k]=$a file[$k]=$b parent[$k]=$c number[$k]=$d line[$k]=$e caption[$k]=$f title[$k]=$g
done <<<"$plan"
count=${#kind[@]}

# A picture's name: the menu file's, without ".inf" and with what a file name or a link
# cannot hold made "_"; a popup of a file that is also a page gets "-popup".
declare -A taken
for k in $(seq "$count"); do
  name=$(printf '%s' "${file[$k]}" | sed -E 's/\.[iI][nN][fF]$//; s#[\\/]#-#g; s/[] <>:"|?*#%&;`$!'\''[]/_/g')
  [ -n "${taken[$name]:-}" ] && name=$name-${kind[$k]}
  [ -n "${taken[$name]:-}" ] && name=$name-$k
  taken[$name]=1
  picture[$k]=$name.png
done

# The menus from the start page to menu k.
chain_of() {
  local k=$1 chain=()
  while [ "$k" != 0 ]; do chain=("$k" "${chain[@]}"); k=${parent[$k]}; done
  echo "${chain[@]}"
}

current=0  # the page the launcher shows, 0 when it does not run
status=0
for k in $(seq "$count"); do
  read -ra chain <<<"$(chain_of "$k")"
  # The steps start at the deepest page of the path that the launcher shows now, or at
  # the start page of a new launcher.
  from=-1
  for ((i = ${#chain[@]} - 2; i >= 0; i--)); do
    [ "${chain[$i]}" = "$current" ] && { from=$i; break; }
  done
  if [ $from = -1 ]; then
    quit_launcher
    wine_in "$work" autorun.exe >/dev/null 2>&1 &
    launcher_pid=$!
    current=${chain[0]}; from=0
  fi
  steps=()
  for ((i = from + 1; i < ${#chain[@]}; i++)); do
    m=${chain[$i]}
    where=button; [ "${kind[${chain[$((i - 1))]}]}" = popup ] && where=item
    steps+=("$where:${number[$m]}:${kind[$m]}")
    [ "${kind[$m]}" = page ] && current=$m
  done
  if [ ${#steps[@]} = 0 ]; then
    rect=$(wine_in "$work" "$poke" launcher 2>/dev/null | tr -d '\r')
  else
    rect=$(wine_in "$work" "$poke" go "${steps[@]}" 2>/dev/null | tr -d '\r')
  fi
  shown=${file[$k]}
  if [ -z "$rect" ] || ! shoot "$out/${picture[$k]}" "$rect"; then
    echo "preview: could not show the ${kind[$k]} $shown" >&2
    status=1; current=0; quit_launcher; continue
  fi
  colours=8; [ "${kind[$k]}" = popup ] && colours=3
  if measure=$(looks_blank "$out/${picture[$k]}" $colours); then
    echo "preview: the picture of $shown looks blank ($measure)" >&2; status=1
  fi
  read -r left top right bottom <<<"$rect"
  echo "preview: $out/${picture[$k]}: the ${kind[$k]} $shown ($((right - left)) x $((bottom - top)))"
done
quit_launcher

# index.html: the pictures in order, then the checker's report.
html() { sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g'; }
name=$(basename "$(cd "$disc" && pwd)")
case $check_status in
  0) verdict="autorun-check finds the disc clean" ;;
  *) verdict="autorun-check has $warnings warning$([ "$warnings" = 1 ] || echo s): see its report below" ;;
esac
{
  cat <<EOF
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Preview of $(printf '%s' "$name" | html)</title>
<style>
body { font-family: sans-serif; margin: 2em; color: #222; }
section { margin: 0 0 2.5em; }
h2 { font-size: 1.1em; margin: 0 0 0.3em; }
p { margin: 0 0 0.6em; }
img { border: 1px solid #ccc; }
pre { background: #f6f6f6; padding: 1em; overflow-x: auto; }
</style>
</head>
<body>
<h1>Preview of $(printf '%s' "$name" | html)</h1>
<p>$count menu$([ "$count" = 1 ] || echo s), as the launcher shows them$([ -n "$codepage" ] && echo " on a Windows whose code page is $codepage"). $verdict.</p>
EOF
  for k in $(seq "$count"); do
    f=$(printf '%s' "${file[$k]}" | html)
    if [ "$k" = 1 ]; then
      opened="the start page"
    else
      opened="opened by entry ${number[$k]} &ldquo;$(printf '%s' "${caption[$k]}" | html)&rdquo; of $(printf '%s' "${file[${parent[$k]}]}" | html) (line ${line[$k]})"
    fi
    [ -n "${title[$k]}" ] && opened="$opened; title &ldquo;$(printf '%s' "${title[$k]}" | html)&rdquo;"
    echo "<section>"
    echo "<h2>$f</h2>"
    echo "<p>${kind[$k]}, $opened</p>"
    if [ -f "$out/${picture[$k]}" ]; then
      echo "<img src=\"$(printf '%s' "${picture[$k]}" | html)\" alt=\"the ${kind[$k]} $f\">"
    else
      echo "<p><em>not shown: the preview could not reach it</em></p>"
    fi
    echo "</section>"
  done
  echo "<h2>autorun-check</h2>"
  echo "<pre>"
  printf '%s\n' "$report" | html
  echo "</pre>"
  echo "</body>"
  echo "</html>"
} >"$out/index.html"
echo "preview: $out/index.html"
exit $status

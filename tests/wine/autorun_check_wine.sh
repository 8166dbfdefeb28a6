#!/usr/bin/env bash
# autorun-check.exe under Wine against the Linux build: the same records, warnings and
# exit status; texts in the ANSI code page when the output is no console.
#   autorun_check_wine.sh SOURCE_DIR SESSION_DIR AUTORUN_CHECK_EXE
set -u
src=$1; session=$2; exe=$3
. "$src/tools/checker.sh"
linux=$(find_checker) || exit 1
out=$(mktemp); err=$(mktemp); linux_err=$(mktemp); discs=$(mktemp -d)
trap 'rm -f "$out" "$err" "$linux_err"; rm -rf "$discs"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# compare NAME WANT_STATUS ENCODING ARGS...: the .exe's standard output (in the locale
# exe_locale, when set, for Wine), its CRs dropped
# and converted from ENCODING, is the Linux build's for the same arguments. Standard
# error is left out of the comparison: Wine, and qemu-i386 where it runs Wine, write
# their own lines there. It is shown when a check fails.
run_exe() {
  ${exe_locale:+env LC_ALL=$exe_locale} timeout 150 bash "$src/cmake/wine-run.sh" "$session" "$exe" "$@" >"$out" 2>"$err"
}
compare() {
  local name=$1 want=$2 encoding=$3; shift 3
  local windows linux_out status linux_status
  run_exe "$@"
  status=$?
  # Each row may start a new wineserver, and under CPU emulation the wineboot that a new
  # one starts now and then hangs: the row's Wine processes are ended and it runs again.
  if [ "$status" = 124 ]; then
    echo "$name: Wine hung at its start; the row runs once more"
    (. "$src/cmake/wine-env.sh" "$session" && wineserver -k) 2>/dev/null
    sleep 1
    run_exe "$@"
    status=$?
  fi
  windows=$(tr -d '\r' <"$out" | iconv -f "$encoding" -t UTF-8)
  # The Linux build reads the same folder by its Linux path.
  local args=("$@") i
  for i in "${!args[@]}"; do args[$i]=$(echo "${args[$i]}" | sed 's|^Z:||; s|\\|/|g'); done
  linux_out=$("$linux" "${args[@]}" 2>"$linux_err")
  linux_status=$?
  local before=$failed
  failed=0
  [ "$status" = "$want" ] || fail "$name: autorun-check.exe exits $status, expected $want"
  [ "$linux_status" = "$want" ] || fail "$name: the Linux build exits $linux_status, expected $want"
  if [ "$windows" != "$linux_out" ]; then
    fail "$name: the outputs differ (< Windows, > Linux)"
    diff <(echo "$windows") <(echo "$linux_out") | head -20
  fi
  if [ $failed = 1 ]; then
    echo "--- $name: standard error of autorun-check.exe (last lines)"; tail -n 10 "$err"
    echo "--- $name: standard error of the Linux build"; tail -n 10 "$linux_err"
  fi
  [ $before = 1 ] && failed=1
  echo "$name: exit status $status, $(echo "$windows" | grep -c ': warning: ') warnings, $(echo "$windows" | wc -l) lines"
}

# The demo's Arabic and Hindi menus go to a pipe in the ANSI code page, which has their
# letters only where it is UTF-8, as in Wine's Hindi locale; the disc is read as code
# page 1252 on both sides.
exe_locale=hi_IN.UTF-8 compare demo 0 UTF-8 --fresh-windows --plain --codepage 1252 "$src/examples/demo"
# A disc's own path as a Windows user types it, with a trailing "\".
compare broken-missing 1 CP1252 --fresh-windows --plain "Z:$(echo "$src/tests/discs/broken-missing" | tr / '\\')\\"
# A menu file alone, by its Windows path: its folder is the disc.
compare more.inf 1 CP1252 --fresh-windows --plain "Z:$(echo "$src/tests/discs/broken-messages/more.inf" | tr / '\\')"
# "Démonstration" goes to a pipe in the ANSI code page, Windows-1252 in a new prefix:
# the demo's French start menu, as a French user reads the disc.
compare demo-fr 0 CP1252 --fresh-windows --plain --language fr-FR "$src/examples/demo"
# A disc in a folder whose name code page 1252 cannot spell, as a Joliet or UDF disc
# may be opened from: the path arrives in UTF-16 and every file is opened and listed by
# its UTF-16 name.
cp -r "$src/tests/discs/clean" "$discs/Диск"
exe_locale=C.UTF-8 compare cyrillic-folder 0 CP1252 --fresh-windows --plain "Z:$(echo "$discs/Диск" | tr / '\\')"
[ $failed = 0 ] && echo "autorun-check.exe: all checks passed"
exit $failed

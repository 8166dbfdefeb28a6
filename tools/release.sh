#!/usr/bin/env bash
# Builds the release package: a zip with autorun.exe, GlyphKey32.dll, the disc checker
# autorun-check.exe, a sample autorun.inf, a README.txt that says what each file is,
# the authoring guide (with the pictures it shows) and the licence.
# The same sources give the same bytes: every file carries one fixed time
# (SOURCE_DATE_EPOCH, or the last commit's date), entries are sorted, and zip -X
# leaves out owner and extra time fields.
# With a code-signing certificate the three programs in the package are signed
# (Authenticode, SHA-256) with osslsigncode; the build folder keeps them unsigned.
#   release.sh [--sign CERT [--key KEY] [--pkcs11-module LIB [--pkcs11-engine ENGINE]]
#               [--pass-file FILE] [--timestamp URL]] [BIN_DIR] [OUT.zip]
#     CERT: a PKCS#12 file (.pfx, .p12), or a PEM certificate (with its chain) and
#           its PEM private key given with --key
#     on a hardware token or a cloud signing service: CERT is the PEM certificate,
#           KEY the key's PKCS#11 URI (pkcs11:token=...;object=...), LIB the
#           PKCS#11 library of the token or service, FILE its PIN
#     The certificate's key must be RSA: Smart App Control accepts no other signature.
#     defaults: build/win32/bin, build/autorun-menu-<version>.zip
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
version=$(sed -n 's/^project(AutorunMenu VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
cert= key= pass_file= timestamp= pkcs11_module= pkcs11_engine=
while [ $# -gt 0 ]; do
  case "$1" in
    --sign) cert=${2:-}; shift 2 ;;
    --key) key=${2:-}; shift 2 ;;
    --pass-file) pass_file=${2:-}; shift 2 ;;
    --timestamp) timestamp=${2:-}; shift 2 ;;
    --pkcs11-module) pkcs11_module=${2:-}; shift 2 ;;
    --pkcs11-engine) pkcs11_engine=${2:-}; shift 2 ;;
    --*) echo "release: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
bin=${1:-$repo/build/win32/bin}
out=${2:-$repo/build/autorun-menu-$version.zip}
command -v zip >/dev/null || { echo "release: zip is missing (bash tools/setup.sh installs it)" >&2; exit 2; }
if [ -n "$cert" ]; then
  command -v osslsigncode >/dev/null || { echo "release: osslsigncode is missing (bash tools/setup.sh installs it)" >&2; exit 2; }
  [ -f "$cert" ] || { echo "release: no certificate file $cert" >&2; exit 2; }
  case "$cert" in
    *.pfx|*.p12|*.PFX|*.P12) [ -z "$key$pkcs11_module" ] ||
      { echo "release: a PKCS#12 file holds its key; leave out --key and --pkcs11-module" >&2; exit 2; } ;;
    *) if [ -n "$pkcs11_module" ]; then
         [ -f "$pkcs11_module" ] || { echo "release: no PKCS#11 library $pkcs11_module" >&2; exit 2; }
         case "$key" in pkcs11:*) ;; *) echo "release: with --pkcs11-module, --key is the key's pkcs11: URI" >&2; exit 2 ;; esac
       else
         [ -f "$key" ] || { echo "release: a PEM certificate needs its private key (--key KEY)" >&2; exit 2; }
       fi ;;
  esac
  [ -z "$pass_file" ] || [ -f "$pass_file" ] || { echo "release: no password file $pass_file" >&2; exit 2; }
  # Smart App Control accepts RSA signatures only: an elliptic-curve key would sign
  # programs that it blocks.
  if command -v openssl >/dev/null; then
    case "$cert" in
      *.pfx|*.p12|*.PFX|*.P12) pass_arg=pass: && [ -n "$pass_file" ] && pass_arg=file:$pass_file
        certificate=$(openssl pkcs12 -in "$cert" -nokeys -clcerts -passin "$pass_arg" 2>/dev/null) ;;
      *) certificate=$(cat "$cert") ;;
    esac
    algorithm=$(printf '%s\n' "$certificate" | openssl x509 -noout -text 2>/dev/null | sed -n 's/^ *Public Key Algorithm: //p')
    [ -z "$algorithm" ] || [ "$algorithm" = rsaEncryption ] ||
      { echo "release: the certificate's key is $algorithm; Smart App Control accepts only RSA signatures" >&2; exit 2; }
  fi
elif [ -n "$key$pass_file$timestamp$pkcs11_module$pkcs11_engine" ]; then
  echo "release: --key, --pkcs11-module, --pkcs11-engine, --pass-file and --timestamp need --sign CERT" >&2; exit 2
fi
[ -z "$pkcs11_engine" ] || [ -n "$pkcs11_module" ] || { echo "release: --pkcs11-engine needs --pkcs11-module" >&2; exit 2; }
programs=(autorun.exe GlyphKey32.dll autorun-check.exe)
for deliverable in "${programs[@]}"; do
  [ -f "$bin/$deliverable" ] || { echo "release: $bin has no $deliverable (build the win32 tree first)" >&2; exit 2; }
done
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=
  [ -n "$SOURCE_DATE_EPOCH" ] || { echo "release: set SOURCE_DATE_EPOCH (no git history here)" >&2; exit 2; }
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
top=$stage/autorun-menu-$version
mkdir -p "$top/docs"
for deliverable in "${programs[@]}"; do cp "$bin/$deliverable" "$top/"; done
cp "$repo/LICENSE" "$top/"
# Signing: SmartScreen and Smart App Control judge a program from a downloaded disc
# image by its signature. The signing time is SOURCE_DATE_EPOCH, so that a package
# signed without a time stamp is the same bytes each time; a time-stamp server's
# answer differs at every call.
if [ -n "$cert" ]; then
  for deliverable in "${programs[@]}"; do
    args=(sign -h sha256 -n "Autorun menu" -time "$SOURCE_DATE_EPOCH")
    case "$cert" in
      *.pfx|*.p12|*.PFX|*.P12) args+=(-pkcs12 "$cert") ;;
      *) [ -n "$pkcs11_engine" ] && args+=(-pkcs11engine "$pkcs11_engine")
         [ -n "$pkcs11_module" ] && args+=(-pkcs11module "$pkcs11_module")
         args+=(-certs "$cert" -key "$key") ;;
    esac
    [ -n "$pass_file" ] && args+=(-readpass "$pass_file")
    [ -n "$timestamp" ] && args+=(-ts "$timestamp")
    if ! osslsigncode "${args[@]}" -in "$bin/$deliverable" -out "$top/$deliverable.signed" >"$stage/sign.log" 2>&1; then
      echo "release: signing $deliverable failed; osslsigncode says:" >&2
      tail -n 5 "$stage/sign.log" >&2
      exit 2
    fi
    mv "$top/$deliverable.signed" "$top/$deliverable"
  done
fi
cp "$repo/docs/authoring-guide.md" "$top/docs/"
# The pictures the guide shows, where they have been made.
for picture in $(grep -o '([a-z/-]*\.png)' "$repo/docs/authoring-guide.md" | tr -d '()' | sort -u); do
  [ -f "$repo/docs/$picture" ] && mkdir -p "$(dirname "$top/docs/$picture")" && cp "$repo/docs/$picture" "$top/docs/$picture"
done
# The sample menu: every kind of entry once, ready to edit.
tr -d '\r' <<'INF' | sed 's/$/\r/' >"$top/autorun.inf"
; A sample menu for the Autorun menu launcher. Put autorun.exe and
; GlyphKey32.dll beside this file at the root of the disc. See
; docs/authoring-guide.md for every key.
[autorun]
open=autorun.exe
icon=autorun.exe

title=My product
QXName=MyProduct
QXicon=1,10,24,18
shell\install=&Install My product
shell\install\command=setup\setup.exe
shell\readme=&Read me
shell\readme\command=readme.txt
QXspace=10
shell\web=Visit the &web site
shell\web\command=rundll32.exe url.dll,FileProtocolHandler https://example.org/
shell\tools=&Tools
shell\tools\command=<tools.inf>

[Messages]
QuitButton=&Quit
INF

# What each file is, for the reader who opens the package on Windows.
tr -d '\r' <<README | sed 's/$/\r/' >"$top/README.txt"
Autorun menu $version: a start menu for the root of a CD, DVD or USB stick.

autorun.exe          the launcher: put it at the root of the disc, beside autorun.inf
GlyphKey32.dll       its picture-button library: put it beside autorun.exe
autorun.inf          a sample menu to start from
autorun-check.exe    the disc checker, for you (not for the disc): in a Command Prompt,
                     autorun-check D:\my-disc  lists each page and popup and warns about
                     what to fix before burning (--help tells more)
docs\authoring-guide.md
                     how to write a menu: every key, command, icon and limit
LICENSE              the licence
README

find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
chmod -R u=rwX,go=rX "$stage"
out_abs=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")
rm -f "$out_abs"
(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | TZ=UTC zip -X -D -q -9 "$out_abs" -@) ||
  { echo "release: zip failed" >&2; exit 2; }
echo "release: $out ($(wc -c <"$out_abs") bytes)"

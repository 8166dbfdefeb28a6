#!/usr/bin/env bash
# Builds the release zip twice from stand-in deliverables and compares; then signed.
#   release_test.sh SOURCE_DIR WORK_DIR
set -u
src=$1; work=$2
rm -rf "$work"; mkdir -p "$work/bin"
echo "stand-in autorun.exe" >"$work/bin/autorun.exe"
echo "stand-in GlyphKey32.dll" >"$work/bin/GlyphKey32.dll"
echo "stand-in autorun-check.exe" >"$work/bin/autorun-check.exe"
failed=0
fail() { echo "FAIL: $*"; failed=1; }
export SOURCE_DATE_EPOCH=1764547200   # 2025-12-01 00:00:00 UTC

bash "$src/tools/release.sh" "$work/bin" "$work/first.zip" || fail "first build"
# A second build later, from deliverables with other file times, under another time zone.
sleep 1; touch "$work/bin/autorun.exe"
TZ=America/New_York bash "$src/tools/release.sh" "$work/bin" "$work/second.zip" || fail "second build"
cmp -s "$work/first.zip" "$work/second.zip" || fail "two builds differ"

version=$(sed -n 's/^project(AutorunMenu VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
names=$(unzip -Z1 "$work/first.zip")
echo "$names"
for want in autorun.exe GlyphKey32.dll autorun-check.exe autorun.inf README.txt LICENSE docs/authoring-guide.md; do
  echo "$names" | grep -qx "autorun-menu-$version/$want" || fail "$want missing"
done
# The readme names every file at the top of the package, and how to run the checker.
readme=$(unzip -p "$work/first.zip" "autorun-menu-$version/README.txt" | tr -d '\r')
for file in $(echo "$names" | sed -n "s|^autorun-menu-$version/\([^/]*\)$|\1|p" | grep -v README.txt); do
  echo "$readme" | grep -q "^$file " || fail "README.txt does not say what $file is"
done
echo "$readme" | grep -q 'autorun-check D:\\' || fail "README.txt does not tell how to run autorun-check.exe"
[ "$names" = "$(echo "$names" | LC_ALL=C sort)" ] || fail "entries not sorted"
# Every entry carries the fixed time.
times=$(TZ=UTC unzip -Z -T "$work/first.zip" | awk 'NF > 7 && $1 ~ /^-/ { print $7 }' | sort -u)
[ "$times" = "20251201.000000" ] || fail "entry times: $times"
# The deliverables and the licence are the ones given.
unzip -p "$work/first.zip" "autorun-menu-$version/autorun.exe" | grep -q "stand-in autorun.exe" || fail "autorun.exe content"
unzip -p "$work/first.zip" "autorun-menu-$version/LICENSE" | grep -q "Copyright (c) 2026 the Autorun menu authors" ||
  fail "LICENSE content"
# Without the deliverables there is no package.
bash "$src/tools/release.sh" "$work/none" "$work/none.zip" 2>/dev/null && fail "a package without deliverables"
[ -f "$work/none.zip" ] && fail "none.zip was left"

# Signed with a throwaway self-signed certificate: both deliverables in the package carry
# a SHA-256 Authenticode signature that verifies against it; a second signed package is
# the same bytes; a PKCS#12 file with a password works too; a wrong password fails with
# no package. Signing needs real programs: two tiny ones from the cross compiler.
if command -v osslsigncode >/dev/null && command -v openssl >/dev/null && command -v i686-w64-mingw32-gcc >/dev/null; then
  mkdir -p "$work/pe" "$work/unpack"
  echo 'int main(void) { return 0; }' | i686-w64-mingw32-gcc -x c - -s -o "$work/pe/autorun.exe"
  echo 'int x;' | i686-w64-mingw32-gcc -x c - -shared -s -o "$work/pe/GlyphKey32.dll"
  cp "$work/pe/autorun.exe" "$work/pe/autorun-check.exe"
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
    -subj "/CN=Autorun menu test signer" -addext "extendedKeyUsage=codeSigning" 2>/dev/null || fail "certificate"
  bash "$src/tools/release.sh" --sign "$work/cert.pem" --key "$work/key.pem" "$work/pe" "$work/signed.zip" ||
    fail "signed build"
  bash "$src/tools/release.sh" --sign "$work/cert.pem" --key "$work/key.pem" "$work/pe" "$work/signed2.zip" ||
    fail "second signed build"
  cmp -s "$work/signed.zip" "$work/signed2.zip" || fail "two signed builds differ"
  (cd "$work/unpack" && unzip -q -o "$work/signed.zip")
  for deliverable in autorun.exe GlyphKey32.dll autorun-check.exe; do
    signed=$work/unpack/autorun-menu-$version/$deliverable
    report=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$signed" 2>&1)
    echo "$report" | grep -q "Signature verification: ok" || fail "$deliverable: signature does not verify"
    echo "$report" | grep -qi "digest algorithm: SHA256" || fail "$deliverable: not SHA-256"
    cmp -s "$signed" "$work/pe/$deliverable" && fail "$deliverable: the package holds it unsigned"
  done
  osslsigncode verify -in "$work/pe/autorun.exe" >/dev/null 2>&1 && fail "the build folder's program was signed"
  openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" \
    -passout pass:s3cret 2>/dev/null || fail "PKCS#12 file"
  echo s3cret >"$work/pass.txt"
  bash "$src/tools/release.sh" --sign "$work/cert.p12" --pass-file "$work/pass.txt" "$work/pe" "$work/p12.zip" ||
    fail "signed build from a PKCS#12 file"
  echo wrong >"$work/wrong.txt"
  bash "$src/tools/release.sh" --sign "$work/cert.p12" --pass-file "$work/wrong.txt" "$work/pe" "$work/bad.zip" \
    2>/dev/null && fail "signing with a wrong password succeeded"
  [ -f "$work/bad.zip" ] && fail "bad.zip was left"
  # Smart App Control accepts RSA signatures only: an elliptic-curve certificate is refused.
  openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -keyout "$work/ec-key.pem" \
    -out "$work/ec-cert.pem" -days 2 -subj "/CN=Autorun menu EC signer" 2>/dev/null || fail "EC certificate"
  bash "$src/tools/release.sh" --sign "$work/ec-cert.pem" --key "$work/ec-key.pem" "$work/pe" "$work/ec.zip" \
    2>"$work/ec.log" && fail "signing with an EC key succeeded"
  grep -q "accepts only RSA" "$work/ec.log" || fail "the EC refusal does not say why"
  # A key on a token is named by its pkcs11: URI, not by a file.
  bash "$src/tools/release.sh" --sign "$work/cert.pem" --key "$work/key.pem" --pkcs11-module "$work/pass.txt" \
    "$work/pe" "$work/p11.zip" 2>/dev/null && fail "a key file was taken for a PKCS#11 key"
  [ -f "$work/ec.zip" ] || [ -f "$work/p11.zip" ] && fail "a refused signing left a package"
else
  echo "release: signing not checked (needs osslsigncode, openssl and i686-w64-mingw32-gcc)"
fi
[ $failed = 0 ] && echo "release: all checks passed"
exit $failed

#!/usr/bin/env bash
# Installs, on a Debian machine as root, everything the build and the tests need
# from Debian's packages; skips what is there already.
set -u

need_pkgs=(cmake make g++ clang libclang-rt-dev googletest libgtest-dev
           g++-mingw-w64-i686 binutils-mingw-w64-i686
           wine wine32:i386 xvfb x11-utils imagemagick xorriso zip unzip osslsigncode
           zlib1g-dev zopfli fonts-dejavu-core fonts-lohit-deva fonts-droid-fallback)
# A command that proves each package is usable, so a present tool is not reinstalled.
declare -A probe=(
  [cmake]="command -v cmake" [make]="command -v make" [g++]="command -v g++"
  [clang]="command -v clang"
  [libclang-rt-dev]="clang -print-file-name=libclang_rt.fuzzer-x86_64.a | grep -q /"
  [googletest]="test -d /usr/src/googletest"
  [libgtest-dev]="test -f /usr/include/gtest/gtest.h"
  [g++-mingw-w64-i686]="command -v i686-w64-mingw32-g++"
  [binutils-mingw-w64-i686]="command -v i686-w64-mingw32-windres"
  [wine]="command -v wine" [wine32:i386]="test -x /usr/lib/wine/wine || dpkg -s wine32:i386"
  [xvfb]="command -v Xvfb" [x11-utils]="command -v xwininfo"
  [imagemagick]="test -x /usr/bin/import" [xorriso]="command -v xorriso"
  [zip]="command -v zip" [unzip]="command -v unzip" [osslsigncode]="command -v osslsigncode"
  [zlib1g-dev]="test -f /usr/include/zlib.h" [zopfli]="command -v zopfli"
  # Fonts that Wine finds through fontconfig for the scripts its own fonts lack: Arabic,
  # Hebrew, Greek and Cyrillic (DejaVu), Devanagari (Lohit), Chinese (Droid fallback).
  [fonts-dejavu-core]="test -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
  [fonts-lohit-deva]="test -d /usr/share/fonts/truetype/lohit-devanagari"
  [fonts-droid-fallback]="test -f /usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"
)

missing=()
for p in "${need_pkgs[@]}"; do
  eval "${probe[$p]}" >/dev/null 2>&1 || missing+=("$p")
done
install_missing() {
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" != 0 ]; then
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    echo "setup: run 'sudo bash tools/setup.sh' once, then try again" >&2
    exit 1
  fi
  if ! command -v apt-get >/dev/null; then
    echo "setup: this is not a Debian machine (no apt-get); install by hand: ${missing[*]}" >&2
    exit 1
  fi
  log=$(mktemp)
  export DEBIAN_FRONTEND=noninteractive
  # A mirror in the middle of a sync fails one index of the update while the others
  # arrive: apt then keeps the older list, and the install decides whether that serves.
  # Without the security suite's i386 list, apt would lift an amd64 library to its
  # security version that no i386 twin matches; the release's own suite then serves both.
  local release=()
  if ! { dpkg --add-architecture i386 && apt-get update -q; } >"$log" 2>&1; then
    echo "setup: apt-get update reported an error; trying the install with the lists it has" >&2
    release=(-t "$(. /etc/os-release && echo "$VERSION_CODENAME")")
  fi
  if ! apt-get install -y -q "${missing[@]}" >>"$log" 2>&1 &&
     ! { [ ${#release[@]} -gt 0 ] && apt-get install -y -q "${release[@]}" "${missing[@]}" >>"$log" 2>&1; }; then
    echo "setup: could not install the packages (${missing[*]}); the last lines of apt:" >&2
    tail -n 15 "$log" >&2
    rm -f "$log"
    exit 1
  fi
  rm -f "$log"
  echo "setup: done"
}

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: everything is installed"
else
  install_missing || exit 1
fi
# Wine's 32-bit half on a machine that runs no 32-bit code.
bash "$(dirname "$0")/wine-qemu/enable.sh"

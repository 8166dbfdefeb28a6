#!/usr/bin/env bash
# Some virtual machines run 64-bit user code only: a 32-bit Linux program, such as
# Wine's 32-bit loader, fails with "Exec format error". There 32-bit Wine can still run
# under qemu-i386 (user-mode CPU emulation) through binfmt_misc. This script checks,
# and on such a machine installs and registers what that needs. Needs root.
set -u
here=$(cd "$(dirname "$0")" && pwd)
wine32=/usr/lib/wine/wine

runs32() { "$wine32" --version >/dev/null 2>&1; }
# AUTORUN_WINE_QEMU=1 takes the emulated road where 32-bit code runs natively too, so
# that a machine which has both can prove both: binfmt_misc handlers come before the
# kernel's own ELF loader. The registration holds for the whole machine until
# 'echo -1 >/proc/sys/fs/binfmt_misc/qemu-i386' removes it.
if [ "${AUTORUN_WINE_QEMU:-}" = 1 ]; then
  echo "setup: AUTORUN_WINE_QEMU=1: 32-bit Wine will run under qemu-i386"
else
  runs32 && exit 0
  echo "setup: this machine runs no 32-bit code; 32-bit Wine will run under qemu-i386"
fi
if [ "$(id -u)" != 0 ]; then
  echo "setup: registering qemu-i386 needs root: run 'sudo bash tools/setup.sh' once" >&2
  exit 1
fi
missing=()
command -v qemu-i386-static >/dev/null || missing+=(qemu-user-static)
[ -f /usr/lib/gcc/x86_64-linux-gnu/*/32/crtbegin.o ] 2>/dev/null || missing+=(gcc-multilib)
if [ ${#missing[@]} -gt 0 ]; then
  log=$(mktemp)
  if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" >"$log" 2>&1; then
    echo "setup: could not install ${missing[*]}; the last lines of apt:" >&2
    tail -n 15 "$log" >&2
    rm -f "$log"
    exit 1
  fi
  rm -f "$log"
fi

binfmt=/proc/sys/fs/binfmt_misc
[ -e $binfmt/register ] || mount -t binfmt_misc binfmt_misc $binfmt || {
  echo "setup: cannot mount binfmt_misc" >&2
  exit 1
}
if [ ! -e $binfmt/qemu-i386 ]; then
  # 32-bit little-endian x86 ELF executables and shared objects (ld.so itself).
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:$(command -v qemu-i386-static):F" >$binfmt/register || {
    echo "setup: cannot register qemu-i386 with binfmt_misc" >&2
    exit 1
  }
fi

# The preloaded fix, in both word sizes: LD_PRELOAD names it through $LIB, so the
# 64-bit wineserver finds a library of its own kind too.
for arch in 32:i386 64:x86_64; do
  dir=/usr/local/lib/${arch#*:}-linux-gnu
  mkdir -p "$dir"
  gcc -m"${arch%%:*}" -O2 -Wall -Wextra -fno-stack-protector -shared -fPIC -o "$dir/libwine-noreplace.so" "$here/noreplace.c" -ldl || {
    echo "setup: cannot build the qemu fix for Wine" >&2
    exit 1
  }
done

if ! runs32; then
  echo "setup: 32-bit Wine still does not start under qemu-i386" >&2
  exit 1
fi
echo "setup: 32-bit Wine runs under qemu-i386"

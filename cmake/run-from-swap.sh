#!/usr/bin/env bash
# Marks a linked Windows program or DLL to be run from the paging file when Windows
# loads it from removable media (IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP, 0x0400 in the COFF
# header's Characteristics), for which GNU ld has no option, and brings the optional
# header's checksum up to date. Windows then reads the whole image into the paging file
# when it starts it from a CD or a USB stick, so it keeps running when the disc goes.
# The same input gives the same bytes; a file already marked is left as it is.
#   run-from-swap.sh FILE           mark FILE
#   run-from-swap.sh --check FILE   exit 1 unless FILE is marked and its checksum holds
set -eu
check=0
[ "$1" = --check ] && { check=1; shift; }
file=$1
fail() { echo "run-from-swap: $file: $*" >&2; exit 1; }

u16() { od -An -tu2 -j "$1" -N2 "$file" | tr -d ' '; }
u32() { od -An -tu4 -j "$1" -N4 "$file" | tr -d ' '; }
# Writes VALUE at OFFSET as COUNT little-endian bytes.
put() {
  local at=$1 value=$2 count=$3 bytes= i
  for ((i = 0; i < count; i++)); do bytes+=$(printf '\\%03o' $(((value >> (8 * i)) & 255))); done
  printf "$bytes" | dd of="$file" bs=1 seek="$at" conv=notrunc status=none
}
# The image checksum as Windows' CheckSumMappedFile computes it: the file's 16-bit words
# (the checksum field counted as zero) added with the carries folded back in, plus the
# file's length.
checksum() {
  od -An -v -tu2 -w2 "$file" |
    awk -v field=$((checksum_at / 2)) -v size="$(stat -c %s "$file")" '
      NR - 1 != field && NR - 1 != field + 1 { sum += $1; sum = sum % 65536 + int(sum / 65536) }
      END { print sum + size }'
}

[ -f "$file" ] || fail "no such file"
[ "$(head -c 2 "$file")" = MZ ] || fail "not a Windows program"
pe=$(u32 60)
[ "$(u32 "$pe")" = 17744 ] || fail "no PE header" # "PE\0\0"
characteristics_at=$((pe + 22))
checksum_at=$((pe + 24 + 64))
flags=$(u16 $characteristics_at)
stored=$(u32 $checksum_at)
if [ $check = 1 ]; then
  ((flags & 0x0400)) || fail "not marked to run from swap on removable media"
  [ "$stored" = "$(checksum)" ] || fail "the checksum does not match the file"
  exit 0
fi
# The linker's own checksum proves the arithmetic before the flag changes the file.
[ "$stored" = 0 ] || [ "$stored" = "$(checksum)" ] || fail "its checksum does not match its bytes as linked"
((flags & 0x0400)) && exit 0
put $characteristics_at $((flags | 0x0400)) 2
put $checksum_at "$(checksum)" 4

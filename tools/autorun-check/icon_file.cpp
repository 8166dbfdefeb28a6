// Icon counts of .ico files and of the resource section of Windows programs.
#include "icon_file.h"

#include <stdint.h>

namespace check {

namespace {

const uint32_t kGroupIconType = 14;  // RT_GROUP_ICON

// Little-endian reads that answer 0 past the end, so a cut file reads as empty.
struct Bytes {
  const std::string& data;
  uint32_t U16(size_t at) const {
    return at + 2 <= data.size() ? uint8_t(data[at]) | uint32_t(uint8_t(data[at + 1])) << 8 : 0;
  }
  uint32_t U32(size_t at) const { return at + 4 <= data.size() ? U16(at) | U16(at + 2) << 16 : 0; }
};

// Where a relative virtual address lies in the file, through the section table; 0 when
// no section holds it.
size_t FileOffset(const Bytes& b, size_t sections, uint32_t count, uint32_t rva) {
  for (uint32_t i = 0; i < count; i++) {
    size_t s = sections + 40 * i;
    uint32_t address = b.U32(s + 12), size = b.U32(s + 16), raw = b.U32(s + 20);
    if (rva >= address && rva - address < size) return raw + (rva - address);
  }
  return 0;
}

int ProgramIconCount(const Bytes& b) {
  size_t pe = b.U32(0x3C);
  if (b.U32(pe) != 0x00004550) return -1;  // "PE\0\0"
  size_t coff = pe + 4;
  uint32_t sectionCount = b.U16(coff + 2);
  size_t optional = coff + 20;
  uint32_t magic = b.U16(optional);
  if (magic != 0x10B && magic != 0x20B) return -1;
  // The resource table is the third data directory.
  size_t directories = optional + (magic == 0x10B ? 96 : 112);
  uint32_t resourceRva = b.U32(directories + 2 * 8);
  if (!resourceRva) return 0;
  size_t root = FileOffset(b, optional + b.U16(coff + 16), sectionCount, resourceRva);
  if (!root) return 0;
  // The root lists resource types: named ones first, then numbered ones.
  uint32_t entries = b.U16(root + 12) + b.U16(root + 14);
  for (uint32_t i = 0; i < entries; i++) {
    size_t entry = root + 16 + 8 * i;
    uint32_t name = b.U32(entry), offset = b.U32(entry + 4);
    if (name != kGroupIconType || !(offset & 0x80000000u)) continue;
    size_t groups = root + (offset & 0x7FFFFFFFu);
    return int(b.U16(groups + 12) + b.U16(groups + 14));
  }
  return 0;
}

}  // namespace

int IconCount(const std::string& data) {
  Bytes b{data};
  // An icon file: reserved 0, type 1, then its image count.
  if (b.U16(0) == 0 && b.U16(2) == 1 && b.U16(4) > 0 && data.size() >= 6 + 16 * b.U16(4)) return 1;
  if (data.size() >= 64 && data[0] == 'M' && data[1] == 'Z') return ProgramIconCount(b);
  return -1;
}

}  // namespace check

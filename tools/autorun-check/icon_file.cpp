// Icon counts of icon and cursor files and of the resources of Windows programs, read
// from their headers with every offset checked against the file's size in 64 bits: a
// hostile header cannot wrap an offset round, whatever the width of size_t.
#include "icon_file.h"

#include <string.h>

#include "system.h"

namespace check {

namespace {

const uint32_t kGroupIconType = 14;        // RT_GROUP_ICON
const uint32_t kNumberedType = 0x8000;     // a 16-bit program's numbered resource type
const uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
const uint32_t kNeSignature = 0x454E;      // "NE"
const uint32_t kMostSections = 96;         // the most a Windows program may have
const uint32_t kMostResourceTypes = 4096;  // beyond any real program

// Little-endian reads that answer 0 past the end, so a cut file reads as empty.
struct Reader {
  FileBytes& bytes;
  uint32_t U16(uint64_t at) const {
    unsigned char b[2];
    return bytes.Read(at, b, 2) ? uint32_t(b[0]) | uint32_t(b[1]) << 8 : 0;
  }
  uint32_t U32(uint64_t at) const { return U16(at) | U16(at + 2) << 16; }
};

class StringBytes : public FileBytes {
 public:
  explicit StringBytes(const std::string& data) : data_(data) {}
  uint64_t size() const override { return data_.size(); }
  bool Read(uint64_t at, void* buffer, size_t size) override {
    if (at > data_.size() || data_.size() - at < size) return false;
    memcpy(buffer, data_.data() + at, size);
    return true;
  }

 private:
  const std::string& data_;
};

// Where a relative virtual address lies in the file, through the section table; 0 when
// no section holds it.
uint64_t FileOffset(const Reader& r, uint64_t sections, uint32_t count, uint32_t rva) {
  for (uint32_t i = 0; i < count && i < kMostSections; i++) {
    uint64_t s = sections + 40 * uint64_t(i);
    uint32_t address = r.U32(s + 12), size = r.U32(s + 16), raw = r.U32(s + 20);
    if (rva >= address && rva - address < size) return uint64_t(raw) + (rva - address);
  }
  return 0;
}

int PeIconCount(const Reader& r, uint64_t pe) {
  uint64_t coff = pe + 4;
  uint32_t sectionCount = r.U16(coff + 2);
  uint64_t optional = coff + 20;
  uint32_t magic = r.U16(optional);
  if (magic != 0x10B && magic != 0x20B) return -1;
  // The resource table is the third data directory.
  uint64_t directories = optional + (magic == 0x10B ? 96 : 112);
  uint32_t resourceRva = r.U32(directories + 2 * 8);
  if (!resourceRva) return 0;
  uint64_t root = FileOffset(r, optional + r.U16(coff + 16), sectionCount, resourceRva);
  if (!root) return 0;
  // The root lists resource types: named ones first, then numbered ones.
  uint32_t entries = r.U16(root + 12) + r.U16(root + 14);
  for (uint32_t i = 0; i < entries; i++) {
    uint64_t entry = root + 16 + 8 * uint64_t(i);
    uint32_t name = r.U32(entry), offset = r.U32(entry + 4);
    if (name != kGroupIconType || !(offset & 0x80000000u)) continue;
    uint64_t groups = root + (offset & 0x7FFFFFFFu);
    return int(r.U16(groups + 12) + r.U16(groups + 14));
  }
  return 0;
}

// A 16-bit program's resource table: an alignment shift, then per type its number,
// its count and the count's 12-byte entries, ended by type 0.
int NeIconCount(const Reader& r, uint64_t ne) {
  uint32_t table = r.U16(ne + 0x24), residentNames = r.U16(ne + 0x26);
  if (table == residentNames) return 0;  // no resources
  uint64_t type = ne + table + 2;
  int groups = 0;
  for (uint32_t i = 0; i < kMostResourceTypes; i++) {
    uint32_t id = r.U16(type), count = r.U16(type + 2);
    if (!id) break;
    if (id == (kNumberedType | kGroupIconType)) groups += int(count);
    type += 8 + 12 * uint64_t(count);
  }
  return groups;
}

}  // namespace

OpenFileBytes::OpenFileBytes(FILE* file) : file_(file) {
#ifdef _WIN32
  if (_fseeki64(file_, 0, SEEK_END) == 0) size_ = uint64_t(_ftelli64(file_));
#else
  if (fseeko(file_, 0, SEEK_END) == 0) size_ = uint64_t(ftello(file_));
#endif
}

bool OpenFileBytes::Read(uint64_t at, void* buffer, size_t size) {
  if (at > size_ || size_ - at < size || size > sizeof block_) return false;
  if (at < blockStart_ || at - blockStart_ + size > blockLength_) {
#ifdef _WIN32
    if (_fseeki64(file_, int64_t(at), SEEK_SET) != 0) return false;
#else
    if (fseeko(file_, off_t(at), SEEK_SET) != 0) return false;
#endif
    blockStart_ = at;
    blockLength_ = fread(block_, 1, sizeof block_, file_);
    if (blockLength_ < size) return false;
  }
  memcpy(buffer, block_ + (at - blockStart_), size);
  return true;
}

IconFile ReadIconFile(FileBytes& bytes) {
  Reader r{bytes};
  IconFile file;
  uint64_t size = bytes.size();
  uint32_t type = r.U16(2), images = r.U16(4);
  // An icon (type 1) or cursor (type 2) file: reserved 0, the type, then its directory.
  if (r.U16(0) == 0 && (type == 1 || type == 2) && images > 0 && size >= 6 + 16 * uint64_t(images)) {
    file.kind = type == 1 ? IconFile::kIcons : IconFile::kCursor;
    file.count = 1;
    return file;
  }
  char head[12];
  if (bytes.Read(0, head, sizeof head) && memcmp(head, "RIFF", 4) == 0 && memcmp(head + 8, "ACON", 4) == 0) {
    file.kind = IconFile::kCursor;  // an animated cursor
    file.count = 1;
    return file;
  }
  if (size < 64 || r.U16(0) != ('M' | 'Z' << 8)) return file;
  uint64_t header = r.U32(0x3C);
  if (r.U32(header) == kPeSignature) {
    file.count = PeIconCount(r, header);
    file.kind = file.count < 0 ? IconFile::kNone : IconFile::kProgram;
  } else if (r.U16(header) == kNeSignature) {
    file.kind = IconFile::k16BitProgram;
    file.count = NeIconCount(r, header);
  } else {
    file.kind = IconFile::kDosProgram;
    file.count = 0;
  }
  return file;
}

IconFile ReadIconFile(const std::string& hostPath) {
  FILE* f = OpenHostFile(hostPath);
  if (!f) return IconFile();
  OpenFileBytes bytes(f);
  IconFile file = ReadIconFile(bytes);
  fclose(f);
  return file;
}

int IconCount(const std::string& bytes) {
  StringBytes data(bytes);
  return ReadIconFile(data).count;
}

}  // namespace check

// What a picture file offers, counted as the shell's icon extraction counts it: an icon
// or cursor file is one icon, whatever number of images it holds; a program or library,
// 32-bit or 16-bit (an .icl icon library is one), has one icon per icon group of its
// resources. Only the headers are read, never a whole file: a disc may hold gigabytes.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <string>

namespace check {

// Random access to a file's bytes.
class FileBytes {
 public:
  virtual ~FileBytes() {}
  virtual uint64_t size() const = 0;
  // Reads size bytes at offset at; false when they are not all there.
  virtual bool Read(uint64_t at, void* buffer, size_t size) = 0;
};

// The bytes of an open file, read a block at a time.
class OpenFileBytes : public FileBytes {
 public:
  explicit OpenFileBytes(FILE* file);
  uint64_t size() const override { return size_; }
  bool Read(uint64_t at, void* buffer, size_t size) override;

 private:
  FILE* file_;
  uint64_t size_ = 0;
  uint64_t blockStart_ = 0;
  size_t blockLength_ = 0;
  unsigned char block_[4096];
};

struct IconFile {
  enum Kind {
    kNone,          // no icon file, cursor, program or library
    kIcons,         // .ico
    kCursor,        // .cur or .ani
    kProgram,       // a 32-bit or 64-bit program or library
    k16BitProgram,  // a 16-bit program or library, .icl icon libraries included
    kDosProgram,    // an MS-DOS program: no resources at all
  } kind = kNone;
  int count = -1;  // icons offered; -1 for kNone
};

IconFile ReadIconFile(FileBytes& bytes);
// The file at hostPath; kNone when it cannot be opened.
IconFile ReadIconFile(const std::string& hostPath);
// The icon count of a file's whole bytes, -1 for kNone.
int IconCount(const std::string& bytes);

}  // namespace check

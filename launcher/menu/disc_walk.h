// The walk from the disc's root to one of its files, part by part: a disc may hold a
// symbolic link or junction ("pics" -> \\host\share) that the system would follow
// where the text names the disc. Pure: the attributes come from the caller.
#pragma once
#include "base/text.h"

namespace menu {

enum class PathState { kExists, kMissing, kUntouchable };

const unsigned long kNoAttributes = 0xFFFFFFFFul;  // the system found no such name
const unsigned long kReparsePoint = 0x400;         // a link, junction or mount point itself

// The attributes of a full path as the system reports them for the name itself, not
// for what a link at its end leads to.
class PathAttributes {
 public:
  virtual unsigned long Of(const char* fullPath) const = 0;

 protected:
  ~PathAttributes() {}
};

// Asks each part of discPath in turn, from discRoot down: kUntouchable at the first
// reparse point (nothing after it is asked) or where there is no root, kMissing at
// the first part that is not there, else kExists.
PathState WalkDiscPath(const char* discRoot, const char* discPath, const PathAttributes& attributes,
                       LeadByteTest isLeadByte = nullptr);

}  // namespace menu

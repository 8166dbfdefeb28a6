// The part-by-part walk of a disc path.
#include "menu/disc_walk.h"

#include <string.h>

#include "menu/disc_path.h"

namespace menu {

PathState WalkDiscPath(const char* discRoot, const char* discPath, const PathAttributes& attributes,
                       LeadByteTest isLeadByte) {
  if (!*discRoot || !*discPath) return PathState::kUntouchable;
  Text full = FullDiscPath(discRoot, "", isLeadByte);
  const char* part = discPath;
  while (*part) {
    const char* end = FindCharacter(part, '\\', isLeadByte);
    size_t length = end ? (size_t)(end - part) : strlen(part);
    full.Append(part, length);
    if (!full.ok()) return PathState::kUntouchable;
    unsigned long found = attributes.Of(full.c_str());
    if (found == kNoAttributes) return PathState::kMissing;
    if (found & kReparsePoint) return PathState::kUntouchable;
    part += length;
    if (*part) {
      part++;
      full.AppendChar('\\');
    }
  }
  return PathState::kExists;
}

}  // namespace menu

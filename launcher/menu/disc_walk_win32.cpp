// GetFileAttributes reports a link's own attributes, its reparse flag among them, and
// follows nothing; a removable drive without its medium fails at once, without a box.
#include "menu/disc_walk_win32.h"

#include <windows.h>

#include "base/wide_text_win32.h"

namespace {

class WindowsAttributes : public menu::PathAttributes {
 public:
  unsigned long Of(const char* fullPath) const override {
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    DWORD attributes = GetFileAttributesW(WideText(fullPath).get());
    SetErrorMode(oldMode);
    return attributes;
  }
};

}  // namespace

menu::PathState WalkDisc(const char* discRoot, const char* discPath) {
  return menu::WalkDiscPath(discRoot, discPath, WindowsAttributes(), nullptr);
}

bool OnRemoteDrive(const char* path) {
  if (!path[0] || path[1] != ':') return false;
  char root[4] = {path[0], ':', '\\', 0};
  return GetDriveTypeA(root) == DRIVE_REMOTE;
}

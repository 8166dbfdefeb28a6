// The copy runs while the menu loads, before any click: its source is a file of the
// disc reached through no link, and its folder no network path, NT path or device.
#include "menu/copy_file_win32.h"

#include <windows.h>

#include "base/wide_text_win32.h"
#include "menu/copy_directive.h"
#include "menu/disc_walk_win32.h"

namespace {

const UINT kWindowsDirSize = 256;

}  // namespace

void CopyDiscFile(const char* value, const char* discRoot) {
  WCHAR windowsDir[kWindowsDirSize];
  UINT length = GetWindowsDirectoryW(windowsDir, kWindowsDirSize);
  if (length == 0 || length >= kWindowsDirSize) windowsDir[0] = 0;
  const LeadByteTest isLeadByte = nullptr;  // UTF-8, the launcher's own text
  Text source, destination, discSource;
  if (menu::ParseCopyDirective(value, Utf8FromWide(windowsDir).c_str(), &source, &destination, isLeadByte) !=
          menu::CopyOutcome::kCopy ||
      menu::CheckCopyPaths(source.c_str(), destination.c_str(), &discSource, isLeadByte) !=
          menu::CopyRefusal::kNone ||
      OnRemoteDrive(destination.c_str()) ||
      WalkDisc(discRoot, discSource.c_str()) != menu::PathState::kExists)
    return;
  Text from = menu::FullDiscPath(discRoot, discSource.c_str(), isLeadByte);
  // Never overwrites; the outcome is not the user's concern.
  WideText wideFrom(from.c_str()), to(destination.c_str());
  if (!from.ok() || !wideFrom.ok() || !to.ok() || !CopyFileW(wideFrom.get(), to.get(), TRUE)) return;
  // CopyFile copies the attributes too, and every file on a CD is read-only: the
  // user could neither change nor replace the copy. The copy succeeded, so the file
  // is the one just made, never one that was there before.
  DWORD attributes = GetFileAttributesW(to.get());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    attributes &= ~FILE_ATTRIBUTE_READONLY;
    SetFileAttributesW(to.get(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
  }
}

// Menu files opened through the encoding choice, with the system's code-page
// conversions.
#include "menu/menu_file_win32.h"

#include "base/wide_text_win32.h"
#include "menu/disc_path.h"
#include "menu/disc_walk_win32.h"

namespace {

// A menu file of the disc is reached only through plain folders (the walk), and is
// itself opened without following a link: the handle then is the file that was
// checked, and a link in the file's place is refused by its attributes.
HANDLE OpenMenuFile(const char* fileName) {
  Text discPath;
  if (menu::ResolveDiscPath(fileName, "", &discPath, nullptr) == menu::DiscPathProblem::kNone &&
      WalkDisc(".", discPath.c_str()) != menu::PathState::kExists)
    return INVALID_HANDLE_VALUE;
  HANDLE file = CreateFileW(WideText(fileName).get(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  BY_HANDLE_FILE_INFORMATION info;
  if (file != INVALID_HANDLE_VALUE &&
      (!GetFileInformationByHandle(file, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))) {
    CloseHandle(file);
    return INVALID_HANDLE_VALUE;
  }
  return file;
}

}  // namespace

MenuFile::MenuFile(const char* fileName)
    : ansiIsUtf8_(GetACP() == CP_UTF8),
      // Where UTF-8 is the ANSI code page, older discs were written in the legacy one.
      codePages_(ansiIsUtf8_ ? SystemLegacyCodePage() : menu::kWindowsLatin1),
      text_(*this, codePages_) {
  file_ = OpenMenuFile(fileName);
  if (file_ == INVALID_HANDLE_VALUE) return;
  // The choice reads the file once, up to its end when nothing settles it sooner.
  if (!text_.Choose(ansiIsUtf8_)) return;
  DWORD mark = text_.choice().markLength;
  ok_ = SetFilePointer(file_, mark, nullptr, FILE_BEGIN) == mark;
}

MenuFile::~MenuFile() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

long MenuFile::Read(char* buffer, size_t size) {
  DWORD read = 0;
  if (!ReadFile(file_, buffer, (DWORD)size, &read, nullptr)) return -1;
  return (long)read;
}

Text MenuFile::ToUtf8(const char* text) const {
  UINT codePage = textCodePage();
  return codePage == CP_UTF8 ? Text(text) : Utf8FromWide(WideText(text, codePage).get());
}

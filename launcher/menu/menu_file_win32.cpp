// Menu files opened through the encoding choice, with the system's code-page
// conversions.
#include "menu/menu_file_win32.h"

MenuFile::MenuFile(const char* fileName)
    : ansiIsUtf8_(GetACP() == CP_UTF8),
      // Where UTF-8 is the ANSI code page, older discs were written in the legacy one.
      codePages_(GetACP(), ansiIsUtf8_ ? SystemLegacyCodePage() : menu::kWindowsLatin1),
      text_(*this, codePages_) {
  file_ = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
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

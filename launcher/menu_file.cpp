// Menu files opened through the encoding choice, with the system's code-page
// conversions.
#include "menu_file.h"

MenuFile::MenuFile(const char* fileName) : ansiIsUtf8_(GetACP() == CP_UTF8), text_(*this, *this) {
  file_ = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file_ == INVALID_HANDLE_VALUE) return;
  if (ansiIsUtf8_) {
    // The system locale's own ANSI code page, which the "Use Unicode UTF-8" setting
    // leaves as it was: the code page that discs made before were written in.
    char number[8];
    UINT locale = GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, number, sizeof number)
                      ? (UINT)LeadingNumber(number)
                      : 0;
    legacyCodePage_ = menu::LegacyCodePage(locale, IsValidCodePage(locale) != FALSE);
  }
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

size_t MenuFile::ToUnits(bool legacy, const char* bytes, size_t count, unsigned short* units, size_t size) {
  // Windows 10 and 11 make each invalid UTF-8 sequence U+FFFD, which ToAnsi makes "?".
  return (size_t)MultiByteToWideChar(legacy ? legacyCodePage_ : CP_UTF8, 0, bytes, (int)count, (LPWSTR)units,
                                     (int)size);
}

size_t MenuFile::ToAnsi(const unsigned short* units, size_t count, char* out, size_t size) {
  // No best fit: a character the code page lacks becomes the default character "?",
  // never a look-alike that could name another file. UTF-8 lacks nothing, and takes
  // no flags.
  return (size_t)WideCharToMultiByte(CP_ACP, ansiIsUtf8_ ? 0 : WC_NO_BEST_FIT_CHARS, (LPCWSTR)units,
                                     (int)count, out, (int)size, nullptr, nullptr);
}

bool MenuFile::IsLegacyLeadByte(unsigned char byte) {
  return IsDBCSLeadByteEx(legacyCodePage_, byte) != FALSE;
}

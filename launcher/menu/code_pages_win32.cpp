// The system's code-page lookups and conversions for menu files.
#include "menu/code_pages_win32.h"

namespace {

// LOCALE_IUSEUTF8LEGACYACP, newer than the compiler's headers.
const LCTYPE kUtf8LegacyAnsiCodePage = 0x666;

// A number the system gives for its default locale; 0 where it has no answer (a
// Windows that does not know the question fails it).
unsigned LocaleNumber(LCTYPE type) {
  char number[8];
  return GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, number, sizeof number) ? (unsigned)LeadingNumber(number)
                                                                            : 0;
}

bool Installed(unsigned codePage) {
  return IsValidCodePage(codePage) != FALSE;
}

}  // namespace

UINT SystemLegacyCodePage() {
  // Under the "Use Unicode UTF-8" setting the locale's default ANSI code page may
  // answer 65001 itself; the legacy one is asked for first.
  return menu::LegacyCodePage(LocaleNumber(kUtf8LegacyAnsiCodePage),
                              LocaleNumber(LOCALE_IDEFAULTANSICODEPAGE), Installed);
}

DWORD NarrowingFlags(UINT codePage) {
  return codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
}

size_t SystemCodePages::ToUnits(bool legacy, const char* bytes, size_t count, unsigned short* units,
                                size_t size) {
  // Windows 10 and 11 make each invalid UTF-8 sequence U+FFFD.
  return (size_t)MultiByteToWideChar(legacy ? legacy_ : CP_UTF8, 0, bytes, (int)count, (LPWSTR)units,
                                     (int)size);
}

bool SystemCodePages::IsLegacyLeadByte(unsigned char byte) {
  LeadByteTest isLeadByte = LeadByteTestFor(legacy_);
  return isLeadByte && isLeadByte(byte);
}

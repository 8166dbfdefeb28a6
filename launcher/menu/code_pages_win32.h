// The system's code pages as both programs use them for menu files: the legacy ANSI
// code page where UTF-8 is the ANSI code page, and the conversions of a file saved
// as Unicode (or an older file there) into UTF-16 on its way to UTF-8.
#pragma once
#include <windows.h>

#include "menu/menu_encoding.h"

// The code page that a file which is not UTF-8 is read in where UTF-8 is the ANSI
// code page: what the system names for that setting, else its locale's own.
UINT SystemLegacyCodePage();

// WideCharToMultiByte's flags for a code page: no best fit, so that a character the
// code page lacks becomes "?", never a look-alike that could name another file.
// UTF-8 lacks nothing and takes no flags.
DWORD NarrowingFlags(UINT codePage);

// The system's conversions from UTF-8 or the legacy code page into UTF-16.
class SystemCodePages : public menu::CodePages {
 public:
  explicit SystemCodePages(UINT legacy) : legacy_(legacy) {}
  size_t ToUnits(bool legacy, const char* bytes, size_t count, unsigned short* units, size_t size) override;
  bool IsLegacyLeadByte(unsigned char byte) override;

 private:
  UINT legacy_;
};

// The code-page conversions of the Windows the checker stands for, done with iconv:
// what the launcher does with a menu file saved as Unicode.
#pragma once
#include <iconv.h>

#include <string>

#include "menu/menu_encoding.h"

namespace check {

class IconvCodePages : public menu::CodePages {
 public:
  // legacyCodePage: the one that a file that is not UTF-8 is read in when the ANSI code
  // page is UTF-8.
  explicit IconvCodePages(unsigned legacyCodePage);
  ~IconvCodePages();
  size_t ToUnits(bool legacy, const char* bytes, size_t count, unsigned short* units, size_t size) override;
  bool IsLegacyLeadByte(unsigned char byte) override { return isLegacyLead_ && isLegacyLead_(byte); }

 private:
  iconv_t fromUtf8_, fromLegacy_;
  LeadByteTest isLegacyLead_;
};

// The iconv name of a Windows code page.
std::string IconvName(unsigned codePage);

// Converts a whole text with cd (from iconv_open); a byte it cannot take becomes replacement.
std::string ConvertText(iconv_t cd, const std::string& text, const char* replacement);

}  // namespace check

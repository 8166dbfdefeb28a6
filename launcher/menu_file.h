// MenuFile: a menu file opened for the menu reader, its encoding chosen and its text
// handed out in the ANSI code page.
#pragma once
#include <windows.h>

#include "menu_encoding.h"

class MenuFile : private menu::ByteSource, private menu::CodePages {
 public:
  explicit MenuFile(const char* fileName);
  ~MenuFile();
  // False when the file cannot be opened, or a read error came while its encoding
  // was chosen.
  bool ok() const { return ok_; }
  // True when its text is not the file's bytes as they are.
  bool converted() const { return text_.choice().encoding != menu::Encoding::kAnsi; }
  // The file's text in the ANSI code page, from its start.
  menu::ByteSource& text() { return text_; }

 private:
  long Read(char* buffer, size_t size) override;
  size_t ToUnits(bool legacy, const char* bytes, size_t count, unsigned short* units, size_t size) override;
  size_t ToAnsi(const unsigned short* units, size_t count, char* out, size_t size) override;
  bool IsLegacyLeadByte(unsigned char byte) override;

  HANDLE file_;
  bool ansiIsUtf8_, ok_ = false;
  UINT legacyCodePage_ = menu::kWindowsLatin1;
  menu::TextSource text_;
};

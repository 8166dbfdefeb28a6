// MenuFile: a menu file opened for the menu reader, its encoding chosen and its text
// handed out as UTF-8, or as its bytes stand when it is saved in the ANSI code page.
#pragma once
#include <windows.h>

#include "menu/code_pages_win32.h"
#include "menu/menu_encoding.h"

class MenuFile : private menu::ByteSource {
 public:
  // fileName: UTF-8, a path of the disc relative to the current folder.
  explicit MenuFile(const char* fileName);
  ~MenuFile();
  // False when the file cannot be opened (a link on its way on the disc, or in its
  // place, counts as none), or a read error came while its encoding
  // was chosen.
  bool ok() const { return ok_; }
  // True when its text is not the file's bytes as they are.
  bool converted() const { return text_.choice().encoding != menu::Encoding::kAnsi; }
  // The file's text, from its start: UTF-8, or bytes of textCodePage().
  menu::ByteSource& text() { return text_; }
  UINT textCodePage() const { return text_.choice().TextCodePage(GetACP()); }
  // The lead-byte test the reader reads the text with.
  LeadByteTest textLeadBytes() const { return LeadByteTestFor(textCodePage()); }
  // A text read from the file made UTF-8, the launcher's own text.
  Text ToUtf8(const char* text) const;

 private:
  long Read(char* buffer, size_t size) override;

  HANDLE file_;
  bool ansiIsUtf8_, ok_ = false;
  SystemCodePages codePages_;
  menu::TextSource text_;
};

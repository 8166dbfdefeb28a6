// MenuFile: a menu file opened for the menu reader, its encoding chosen and its text
// handed out in the ANSI code page.
#pragma once
#include <windows.h>

#include "menu/code_pages_win32.h"
#include "menu/menu_encoding.h"

class MenuFile : private menu::ByteSource {
 public:
  explicit MenuFile(const char* fileName);
  ~MenuFile();
  // False when the file cannot be opened (a link on its way on the disc, or in its
  // place, counts as none), or a read error came while its encoding
  // was chosen.
  bool ok() const { return ok_; }
  // True when its text is not the file's bytes as they are.
  bool converted() const { return text_.choice().encoding != menu::Encoding::kAnsi; }
  // The file's text in the ANSI code page, from its start.
  menu::ByteSource& text() { return text_; }

 private:
  long Read(char* buffer, size_t size) override;

  HANDLE file_;
  bool ansiIsUtf8_, ok_ = false;
  SystemCodePages codePages_;
  menu::TextSource text_;
};

// The table that holds the texts of the launcher's nine translatable messages for
// the run (menu/messages.h names them).
#pragma once
#include "base/text.h"
#include "menu/menu_reader.h"
#include "menu/messages.h"

// Texts by message number; empty until filled. Numbers outside the nine have the
// empty text.
class MessageTable {
 public:
  void Set(unsigned number, const char* text);
  const Text& Get(unsigned number) const;
  // Reads the Messages section of a menu file's text as the system's profile reader
  // reads it: section and key names trimmed and matched without regard to case, only
  // the first section of that name and the first of two equal keys counting, a value
  // trimmed and without a pair of enclosing quotes. The texts of the keys there
  // replace what the table holds, cut to 511 bytes as the launcher's buffer cuts them
  // (never inside a character of the UTF-8 text);
  // a read error ends the reading.
  void ReadMessages(menu::ByteSource& text);

 private:
  Text texts_[messages::kCount];
  Text none_;
};

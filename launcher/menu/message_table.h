// The nine translatable messages of the launcher: their numbers, their keys in the
// Messages section of autorun.inf, the order they are loaded in, and the table
// that holds their texts for the run.
#pragma once
#include "base/text.h"
#include "menu/menu_reader.h"

namespace messages {

const unsigned kAboutBoxMenu = 101;
const unsigned kAboutBoxTitle = 104;
const unsigned kErrorStart = 105;
const unsigned kErrorOpen = 106;
const unsigned kErrorCaption = 107;
const unsigned kSelectItem = 109;
const unsigned kNoneText = 111;
const unsigned kAutoStartLabel = 113;
const unsigned kQuitButton = 115;

const int kCount = 9;
const unsigned long kValueBufferSize = 512;  // one buffer serves all nine reads

struct MessageKey {
  unsigned number;
  const char* key;  // in the Messages section
};
// In loading order.
extern const MessageKey kKeys[kCount];

// Position of a number in kKeys, or -1 for a number that is not a message.
int IndexOf(unsigned number);

}  // namespace messages

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
  // replace what the table holds, cut to 511 bytes as the launcher's buffer cuts them;
  // a read error ends the reading.
  void ReadMessages(menu::ByteSource& text);

 private:
  Text texts_[messages::kCount];
  Text none_;
};

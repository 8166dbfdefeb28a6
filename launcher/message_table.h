// The nine translatable messages of the launcher: their numbers, their keys in the
// Messages section of autorun.inf, the order they are loaded in, and the table
// that holds their texts for the run.
#pragma once
#include "menu_reader.h"
#include "text.h"

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
  // Reads the Messages section of a menu file's text with the system profile reader's
  // rules: the texts of the keys there replace what the table holds (cut to 511
  // characters, as the 512-character buffer of the launcher cuts them).
  void ReadMessages(menu::ByteSource& text, LeadByteTest isLeadByte);

 private:
  Text texts_[messages::kCount];
  Text none_;
};

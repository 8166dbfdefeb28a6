// The nine translatable messages of the launcher: their numbers, their keys in the
// Messages section of autorun.inf and the order they are loaded in.
#pragma once

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

// The nine translatable messages of the launcher: their numbers, their keys in the
// Messages section of autorun.inf and the order they are loaded in.
#pragma once
#include "res/resource_ids.h"

namespace messages {

const unsigned kAboutBoxMenu = IDS_ABOUT_BOX_MENU;
const unsigned kAboutBoxTitle = IDS_ABOUT_BOX_TITLE;
const unsigned kErrorStart = IDS_ERROR_START;
const unsigned kErrorOpen = IDS_ERROR_OPEN;
const unsigned kErrorCaption = IDS_ERROR_CAPTION;
const unsigned kSelectItem = IDS_SELECT_ITEM;
const unsigned kNoneText = IDS_NONE_TEXT;
const unsigned kAutoStartLabel = IDS_AUTO_START_LABEL;
const unsigned kQuitButton = IDS_QUIT_BUTTON;

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

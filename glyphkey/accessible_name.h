// A caption as a screen reader says it: the name without its "&" markers, and the mnemonic.
#pragma once
#include "control_text.h"

namespace glyphkey {

struct AccessibleName {
  int length = 0;          // bytes written, without the terminating zero
  int mnemonic = -1;       // offset in the name of the underlined character; -1 when none
  int mnemonicLength = 0;  // its bytes: 1, or 2 for a double-byte character
};

// Writes caption to name (room for the caption's length + 1 bytes) as the window system
// draws it: "&&" shows one "&", every other "&" is a marker that is not shown, and the
// character UnderlinedCharacter finds is underlined. That character is what a dialog
// manager matches a typed mnemonic against, so it is the keyboard shortcut too. A double-byte character is
// copied whole, so its second byte is never taken for a marker.
AccessibleName NameFromCaption(const char* caption, char* name, LeadByteFn isLeadByte = nullptr);

}  // namespace glyphkey

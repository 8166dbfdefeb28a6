// A caption as a screen reader says it: the name without its "&" markers, and the mnemonic.
#pragma once
#include "control_text.h"

namespace glyphkey {

struct AccessibleName {
  int length = 0;          // characters written (bytes or UTF-16 units), without the zero
  int mnemonic = -1;       // offset in the name of the underlined character; -1 when none
  int mnemonicLength = 0;  // its length: 1, or 2 for a double-byte character or surrogate pair
};

// Writes caption to name (room for the caption's length + 1 characters) as the window system
// draws it: "&&" shows one "&", every other "&" is a marker that is not shown, and the
// character UnderlinedCharacter finds is underlined. That character is what a dialog
// manager matches a typed mnemonic against, so it is the keyboard shortcut too. A double-byte character is
// copied whole, so its second byte is never taken for a marker.
template <typename Char>
AccessibleName NameFromCaption(const Char* caption, Char* name, LeadByteFn isLeadByte = nullptr);

}  // namespace glyphkey

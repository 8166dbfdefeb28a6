// A caption as a screen reader says it: "&" markers dropped, "&&" as "&", the mnemonic found.
#include "accessible_name.h"

namespace glyphkey {

template <typename Char>
AccessibleName NameFromCaption(const Char* caption, Char* name, LeadByteFn isLeadByte) {
  AccessibleName result;
  const Underline underline = UnderlinedCharacter(caption, isLeadByte);
  const Char* p = caption;
  while (*p) {
    if (*p == '&') {
      ++p;  // the marker is never shown; of "&&" the second one is
      if (!*p) break;
    }
    // The underlined character is copied whole; every other unit of a double-byte
    // character or a surrogate pair is no marker anyway.
    int size = 1;
    if (p - caption == underline.offset) {
      result.mnemonic = result.length;
      result.mnemonicLength = size = underline.length;
    } else if (sizeof(Char) == 1 && isLeadByte && isLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
      size = 2;
    }
    for (int i = 0; i < size; ++i) name[result.length++] = *p++;
  }
  name[result.length] = '\0';
  return result;
}

template AccessibleName NameFromCaption(const char*, char*, LeadByteFn);
template AccessibleName NameFromCaption(const wchar_t*, wchar_t*, LeadByteFn);

}  // namespace glyphkey

// A caption as a screen reader says it: "&" markers dropped, "&&" as "&", the mnemonic found.
#include "accessible_name.h"

namespace glyphkey {

AccessibleName NameFromCaption(const char* caption, char* name, LeadByteFn isLeadByte) {
  AccessibleName result;
  const Underline underline = UnderlinedCharacter(caption, isLeadByte);
  const char* p = caption;
  while (*p) {
    if (*p == '&') {
      ++p;  // the marker is never shown; of "&&" the second one is
      if (!*p) break;
    }
    int size = (isLeadByte && isLeadByte(static_cast<unsigned char>(*p)) && p[1]) ? 2 : 1;
    if (p - caption == underline.offset) {
      result.mnemonic = result.length;
      result.mnemonicLength = underline.length;
    }
    for (int i = 0; i < size; ++i) name[result.length++] = *p++;
  }
  name[result.length] = '\0';
  return result;
}

}  // namespace glyphkey

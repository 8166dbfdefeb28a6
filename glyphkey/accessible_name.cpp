// A caption as a screen reader says it: "&" markers dropped, "&&" as "&", the mnemonic found.
#include "accessible_name.h"

namespace glyphkey {

AccessibleName NameFromCaption(const char* caption, char* name, LeadByteFn isLeadByte) {
  AccessibleName result;
  const char* p = caption;
  while (*p) {
    bool underlined = false;
    if (*p == '&') {
      ++p;  // the marker is never shown; of "&&" the second one is
      if (!*p) break;
      underlined = *p != '&' && result.mnemonic < 0;
    }
    int size = (isLeadByte && isLeadByte(static_cast<unsigned char>(*p)) && p[1]) ? 2 : 1;
    if (underlined) {
      result.mnemonic = result.length;
      result.mnemonicLength = size;
    }
    for (int i = 0; i < size; ++i) name[result.length++] = *p++;
  }
  name[result.length] = '\0';
  return result;
}

}  // namespace glyphkey

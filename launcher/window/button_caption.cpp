// The plain form of a button caption.
#include "window/button_caption.h"

Text PlainButtonCaption(const char* windowText, LeadByteTest isLeadByte) {
  // No double-byte code page has "&" as a trail byte, so bytes can be replaced alone.
  Text blanked;
  for (const char* p = windowText ? windowText : ""; *p; p++) blanked.AppendChar(*p == '&' ? ' ' : *p);
  size_t begin, end;
  TrimRange(blanked.c_str(), blanked.length(), isLeadByte, &begin, &end);
  return Text(blanked.c_str() + begin, end - begin);
}

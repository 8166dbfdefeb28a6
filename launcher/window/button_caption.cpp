// The plain form of a button caption.
#include "window/button_caption.h"

Text PlainButtonCaption(const char* caption, LeadByteTest isLeadByte) {
  // No double-byte code page has "&" as a trail byte, so bytes can be replaced alone; "@"
  // can be one, so the cut is made at a character boundary.
  Text blanked;
  for (const char* p = caption ? caption : ""; *p && *p != '@'; p++) {
    if (isLeadByte && isLeadByte((unsigned char)*p) && p[1]) blanked.AppendChar(*p++);
    blanked.AppendChar(*p == '&' ? ' ' : *p);
  }
  size_t begin, end;
  TrimRange(blanked.c_str(), blanked.length(), isLeadByte, &begin, &end);
  return Text(blanked.c_str() + begin, end - begin);
}

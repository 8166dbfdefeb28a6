// Double-byte characters in the disc's code page: which bytes start one, and the
// name comparisons that must not split one.
#pragma once
#include <string>

#include "text.h"

namespace check {

// The lead-byte test of an ANSI code page of Windows: Shift-JIS (932), GBK (936),
// Korean (949) and Big5 (950) have double-byte characters; every other ANSI code
// page, UTF-8 included, is read byte by byte (null).
LeadByteTest LeadByteTestFor(unsigned codePage);

// The text with its ASCII letters in lower case, double-byte characters kept whole:
// their second byte may be a letter.
std::string LowerName(const std::string& text, LeadByteTest isLeadByte);
// Are the names equal without regard to the case of ASCII letters?
bool SameName(const std::string& a, const std::string& b, LeadByteTest isLeadByte);

}  // namespace check

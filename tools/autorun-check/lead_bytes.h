// Name comparisons that must not split a double-byte character of the disc's code
// page (whose lead bytes the launcher's LeadByteTestFor tells).
#pragma once
#include <string>

#include "base/text.h"

namespace check {

// The text with its ASCII letters in lower case, double-byte characters kept whole:
// their second byte may be a letter.
std::string LowerName(const std::string& text, LeadByteTest isLeadByte);
// Are the names equal without regard to the case of ASCII letters?
bool SameName(const std::string& a, const std::string& b, LeadByteTest isLeadByte);

}  // namespace check

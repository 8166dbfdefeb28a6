// Letters compared without regard to case: the ASCII letters of names, as Windows
// compares file and key names, with the double-byte characters of the disc's code page
// kept whole (their lead bytes the launcher's LeadByteTestFor tells); and the letters of
// the scripts whose keyboards type both cases with one key (Latin, Greek, Cyrillic and
// Armenian), as an underlined letter answers to its key.
#pragma once
#include <string>

#include "base/text.h"

namespace check {

// The text with its ASCII letters in lower case, double-byte characters kept whole:
// their second byte may be a letter.
std::string LowerName(const std::string& text, LeadByteTest isLeadByte);
// Are the names equal without regard to the case of ASCII letters?
bool SameName(const std::string& a, const std::string& b, LeadByteTest isLeadByte);

// The capital of a small letter (U+00E9 "é" to U+00C9 "É", U+0444 "ф" to U+0424 "Ф");
// any other code point as it is.
unsigned CapitalLetter(unsigned codePoint);

}  // namespace check

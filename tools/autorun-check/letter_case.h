// Letters compared without regard to case, in the scripts whose keyboards type both
// cases with one key: Latin, Greek, Cyrillic and Armenian.
#pragma once

namespace check {

// The capital of a small letter (U+00E9 "é" to U+00C9 "É", U+0444 "ф" to U+0424 "Ф");
// any other code point as it is.
unsigned CapitalLetter(unsigned codePoint);

}  // namespace check

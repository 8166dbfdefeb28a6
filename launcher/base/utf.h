// UTF-8 and UTF-16, the launcher's two forms of Unicode text: UTF-8 inside (Text holds
// bytes), UTF-16 at every Windows call. Pure, so the reader, the checker and the host
// tests share it.
#pragma once
#include <stddef.h>

#include "base/text.h"

namespace utf {

const unsigned kReplacement = 0xFFFD;  // stands for every sequence that is not a character

// Reads the character at the start of text[0, length) (length > 0): its code point goes to
// *codePoint and the result is the bytes it takes. A sequence that is no character (a
// stray continuation byte, a lead byte without its continuations, an overlong form, an
// encoded surrogate, a value above U+10FFFF) reads as U+FFFD and takes the bytes that
// could still have begun it, at least one: the next character starts where a valid one could.
size_t DecodeUtf8(const char* text, size_t length, unsigned* codePoint);

// UTF-8 to UTF-16. With out, writes whole characters while they fit in capacity - 1 units
// (never half a surrogate pair), then a terminating zero; capacity 0 writes nothing.
// Without out, counts. Returns the units written or counted, without the zero.
size_t Utf8ToUtf16(const char* text, size_t length, char16_t* out, size_t capacity);

// UTF-16 to UTF-8: a surrogate without its partner becomes U+FFFD. With out, writes whole
// characters while they fit in capacity - 1 bytes (never half a sequence), then a zero.
// Without out, counts. Returns the bytes written or counted, without the zero.
size_t Utf16ToUtf8(const char16_t* text, size_t length, char* out, size_t capacity);

// Appends the UTF-8 form of text[0, length) to *out; false when memory ran out.
bool AppendUtf8(const char16_t* text, size_t length, Text* out);

}  // namespace utf

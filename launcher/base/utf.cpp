// UTF-8 and UTF-16 conversion with U+FFFD for whatever is not a character.
#include "base/utf.h"

namespace utf {

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}
bool IsHighSurrogate(unsigned unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(unsigned unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The UTF-16 units of a code point: 1, or 2 above U+FFFF.
size_t Utf16Length(unsigned codePoint) {
  return codePoint > 0xFFFF ? 2 : 1;
}
size_t Utf8Length(unsigned codePoint) {
  return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
}

// Reads one character of UTF-16; a lone surrogate reads as U+FFFD.
size_t DecodeUtf16(const char16_t* text, size_t length, unsigned* codePoint) {
  unsigned unit = text[0];
  if (IsHighSurrogate(unit) && length > 1 && IsLowSurrogate(text[1])) {
    *codePoint = 0x10000 + ((unit - 0xD800) << 10) + (text[1] - 0xDC00u);
    return 2;
  }
  *codePoint = (IsHighSurrogate(unit) || IsLowSurrogate(unit)) ? kReplacement : unit;
  return 1;
}

void EncodeUtf8(unsigned codePoint, char* out) {
  size_t n = Utf8Length(codePoint);
  static const unsigned char kLeadMarks[] = {0, 0, 0xC0, 0xE0, 0xF0};
  for (size_t i = n - 1; i > 0; i--) {
    out[i] = (char)(0x80 | (codePoint & 0x3F));
    codePoint >>= 6;
  }
  out[0] = (char)(kLeadMarks[n] | codePoint);
}

}  // namespace

size_t DecodeUtf8(const char* text, size_t length, unsigned* codePoint) {
  const unsigned char* p = (const unsigned char*)text;
  unsigned lead = p[0];
  *codePoint = kReplacement;
  if (lead < 0x80) {
    *codePoint = lead;
    return 1;
  }
  // The continuations a lead byte asks for, and the range of the second byte that keeps
  // the form shortest, below the surrogates and within U+10FFFF.
  size_t more;
  unsigned low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2;
    if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
    if (lead == 0xED) high = 0x9F;  // the surrogates U+D800 to U+DFFF
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3;
    if (lead == 0xF0) low = 0x90;   // overlong below U+10000
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 1;  // a continuation byte, C0, C1 (always overlong) or F5 to FF
  }
  unsigned value = lead & (0x3F >> more);
  for (size_t i = 1; i <= more; i++) {
    if (i >= length) return i;
    unsigned byte = p[i];
    if (i == 1 ? (byte < low || byte > high) : !IsContinuation((unsigned char)byte)) return i;
    value = (value << 6) | (byte & 0x3F);
  }
  *codePoint = value;
  return more + 1;
}

size_t Utf8ToUtf16(const char* text, size_t length, char16_t* out, size_t capacity) {
  size_t written = 0;
  for (size_t i = 0; i < length;) {
    unsigned c;
    i += DecodeUtf8(text + i, length - i, &c);
    size_t n = Utf16Length(c);
    if (out) {
      if (written + n >= capacity) break;
      if (n == 2) {
        out[written] = (char16_t)(0xD800 + ((c - 0x10000) >> 10));
        out[written + 1] = (char16_t)(0xDC00 + ((c - 0x10000) & 0x3FF));
      } else {
        out[written] = (char16_t)c;
      }
    }
    written += n;
  }
  if (out && capacity) out[written] = 0;
  return written;
}

size_t Utf16ToUtf8(const char16_t* text, size_t length, char* out, size_t capacity) {
  size_t written = 0;
  for (size_t i = 0; i < length;) {
    unsigned c;
    i += DecodeUtf16(text + i, length - i, &c);
    size_t n = Utf8Length(c);
    if (out) {
      if (written + n >= capacity) break;
      EncodeUtf8(c, out + written);
    }
    written += n;
  }
  if (out && capacity) out[written] = '\0';
  return written;
}

bool AppendUtf8(const char16_t* text, size_t length, Text* out) {
  for (size_t i = 0; i < length;) {
    unsigned c;
    i += DecodeUtf16(text + i, length - i, &c);
    char bytes[4];
    EncodeUtf8(c, bytes);
    out->Append(bytes, Utf8Length(c));
  }
  return out->ok();
}

}  // namespace utf

// Text and the shared text procedures of the launcher's pure code.
#include "base/text.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

Text::~Text() {
  free(data_);
}

void Text::Clear() {
  length_ = 0;
  if (data_) data_[0] = 0;
}

bool Text::Reserve(size_t length) {
  if (length < capacity_) return true;
  size_t capacity = capacity_ ? capacity_ : 16;
  while (capacity <= length) {
    if (capacity > ((size_t)-1) / 2) return false;
    capacity *= 2;
  }
  char* grown = (char*)realloc(data_, capacity);
  if (!grown) return false;
  data_ = grown;
  capacity_ = capacity;
  return true;
}

void Text::Assign(const char* text) {
  Assign(text, text ? strlen(text) : 0);
}

void Text::Assign(const char* text, size_t length) {
  if (text && text >= data_ && data_ && text < data_ + capacity_) {
    // Assigning a part of itself: move within the buffer.
    memmove(data_, text, length);
    length_ = length;
    data_[length_] = 0;
    return;
  }
  Clear();
  Append(text, length);
}

void Text::Append(const char* text) {
  Append(text, text ? strlen(text) : 0);
}

void Text::Append(const char* text, size_t length) {
  if (!Reserve(length_ + length)) {
    ok_ = false;
    return;
  }
  if (length) memcpy(data_ + length_, text, length);
  length_ += length;
  data_[length_] = 0;
}

void Text::AppendChar(char c) {
  Append(&c, 1);
}

void Text::AppendInt(long value) {
  char digits[24];
  int n = 0;
  unsigned long magnitude = value < 0 ? 0UL - (unsigned long)value : (unsigned long)value;
  do {
    digits[n++] = (char)('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (value < 0) AppendChar('-');
  while (n) AppendChar(digits[--n]);
}

char* Text::Release() {
  if (!data_ && !Reserve(0)) return nullptr;
  char* released = data_;
  data_ = nullptr;
  length_ = capacity_ = 0;
  return released;
}

namespace {
// The lead-byte ranges of the code pages' own tables, which IsDBCSLeadByteEx answers from.
bool ShiftJisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
// GBK, the Korean code page and Big5 share one range.
bool ChineseKoreanLead(unsigned char c) {
  return c >= 0x81 && c <= 0xFE;
}
}  // namespace

LeadByteTest LeadByteTestFor(unsigned codePage) {
  switch (codePage) {
    case 932:
      return ShiftJisLead;
    case 936:
    case 949:
    case 950:
      return ChineseKoreanLead;
  }
  return nullptr;
}

bool EqualsIgnoringAsciiCase(const char* a, size_t length, const char* b) {
  if (strlen(b) != length) return false;
  for (size_t i = 0; i < length; i++) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool StartsWithIgnoringAsciiCase(const char* text, const char* prefix) {
  for (; *prefix; text++, prefix++) {
    if (LowerAscii(*text) != LowerAscii(*prefix)) return false;
  }
  return true;
}

int LeadingNumber(const char* text) {
  if (!text) return 0;
  const unsigned char* p = (const unsigned char*)text;
  while (IsTrimSpace(*p)) p++;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  long long value = 0;
  while (*p >= '0' && *p <= '9') {
    if (value <= (long long)INT_MAX + 1) value = value * 10 + (*p - '0');
    p++;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return (int)value;
}

void TrimRange(const char* text, size_t length, LeadByteTest isLeadByte, size_t* begin, size_t* end) {
  const unsigned char* p = (const unsigned char*)text;
  size_t i = 0;
  while (i < length && IsTrimSpace(p[i])) i++;
  *begin = i;
  // Walk forward by characters so that the end is always a character boundary.
  size_t last = i;
  while (i < length) {
    size_t width = (isLeadByte && isLeadByte(p[i]) && i + 1 < length) ? 2 : 1;
    if (width == 2 || !IsTrimSpace(p[i])) last = i + width;
    i += width;
  }
  *end = last;
}

const char* FindCharacter(const char* text, char c, LeadByteTest isLeadByte) {
  for (const unsigned char* p = (const unsigned char*)text; *p; p++) {
    if (*p == (unsigned char)c) return (const char*)p;
    if (isLeadByte && isLeadByte(*p) && p[1]) p++;
  }
  return nullptr;
}

const char* FindLastCharacter(const char* text, char c, LeadByteTest isLeadByte) {
  const char* last = nullptr;
  for (const char* p = FindCharacter(text, c, isLeadByte); p; p = FindCharacter(p + 1, c, isLeadByte))
    last = p;
  return last;
}

const char* LastCharacter(const char* text, LeadByteTest isLeadByte) {
  const unsigned char* last = nullptr;
  for (const unsigned char* p = (const unsigned char*)text; *p; p++) {
    last = p;
    if (isLeadByte && isLeadByte(*p) && p[1]) p++;
  }
  return (const char*)last;
}

// Menu files saved as Unicode: the choice of a file's encoding and its conversion
// to UTF-8 while the reader reads it.
#include "menu/menu_encoding.h"

#include <string.h>

#include "base/utf.h"

namespace menu {

bool TextSource::Choose(bool ansiIsUtf8) {
  unsigned long head = 0;  // the first three bytes, the first one highest
  size_t seen = 0;
  bool high = false, invalid = false;
  // The UTF-8 sequence under way: continuation bytes still due, and the range of the
  // next one, which rules out overlong forms (after E0, F0), surrogates (after ED)
  // and code points above U+10FFFF (after F4).
  int need = 0;
  unsigned char low = 0x80, top = 0xBF;
  // An invalid byte settles the choice once the marks can be told (FF and FE, which
  // begin the UTF-16 marks, are invalid).
  while (!(invalid && seen >= 3)) {
    long got = bytes_.Read(raw_, kChunk);
    if (got < 0 || (size_t)got > kChunk) return false;
    if (got == 0) break;
    for (long i = 0; i < got; i++) {
      unsigned char byte = (unsigned char)raw_[i];
      if (seen++ < 3) head = head << 8 | byte;
      if (need) {
        invalid |= byte < low || byte > top;
        low = 0x80, top = 0xBF;
        need--;
      } else if (byte > 0x7F) {
        high = true;
        invalid |= byte < 0xC2 || byte > 0xF4;  // C0, C1 and F5 to FF start nothing
        need = 1 + (byte >= 0xE0) + (byte >= 0xF0);
        if (byte == 0xE0) low = 0xA0;
        if (byte == 0xF0) low = 0x90;
        if (byte == 0xED) top = 0x9F;
        if (byte == 0xF4) top = 0x8F;
      }
    }
  }
  unsigned long firstTwo = seen >= 3 ? head >> 8 : head;
  if (firstTwo == 0xFFFE || firstTwo == 0xFEFF) {
    choice_ = {firstTwo == 0xFFFE ? Encoding::kUtf16Le : Encoding::kUtf16Be, 2};
  } else if (seen >= 3 && head == 0xEFBBBF) {
    choice_ = {Encoding::kUtf8, 3};
  } else if (high && (!invalid && !need) != ansiIsUtf8) {
    // Valid UTF-8 under an ANSI code page that is UTF-8, and anything else under one
    // that is not, is read as it stands.
    choice_.encoding = ansiIsUtf8 ? Encoding::kLegacyAnsi : Encoding::kUtf8;
  }
  return true;
}

unsigned LegacyCodePage(unsigned utf8Legacy, unsigned localeDefault, bool (*installed)(unsigned codePage)) {
  const unsigned answers[] = {utf8Legacy, localeDefault};
  for (unsigned answer : answers) {
    if (answer != 0 && answer != kUtf8CodePage && installed(answer)) return answer;
  }
  return kWindowsLatin1;
}

long TextSource::Read(char* buffer, size_t size) {
  if (choice_.encoding == Encoding::kAnsi) return bytes_.Read(buffer, size);
  while (outPos_ == outLength_) {
    if (ended_) return 0;
    if (!Fill()) return -1;
  }
  size_t n = outLength_ - outPos_;
  if (n > size) n = size;
  memcpy(buffer, out_ + outPos_, n);
  outPos_ += n;
  return (long)n;
}

// Converts one read of the file: kChunk bytes give at most kChunk units, and each unit
// at most 3 bytes of UTF-8.
bool TextSource::Fill() {
  outPos_ = outLength_ = 0;
  long got = bytes_.Read(raw_ + carried_, kChunk - carried_);
  if (got < 0 || (size_t)got > kChunk - carried_) return false;
  const unsigned char* raw = (const unsigned char*)raw_;
  size_t end = carried_ + (size_t)got, whole = end;
  ended_ = got == 0;
  Encoding encoding = choice_.encoding;
  bool utf16 = encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be;
  // The whole characters are converted now; the rest waits for the next read. At the
  // end of the file whatever is left is converted, but for a lone UTF-16 byte.
  if (utf16) {
    whole &= ~(size_t)1;
    // A high surrogate waits for its low one.
    if (!ended_ && whole && (raw[whole - 2 + (encoding == Encoding::kUtf16Le)] & 0xFC) == 0xD8) whole -= 2;
  } else if (!ended_ && encoding == Encoding::kUtf8) {
    // A lead byte among the last four bytes, and its continuation bytes, wait (even
    // when they are complete: the next read converts them).
    while (whole && end - whole < 3 && (raw[whole - 1] & 0xC0) == 0x80) whole--;
    whole = whole && raw[whole - 1] >= 0xC0 ? whole - 1 : end;
  } else if (!ended_) {
    whole = 0;
    while (whole < end) {
      size_t width = codePages_.IsLegacyLeadByte(raw[whole]) ? 2 : 1;
      if (whole + width > end) break;
      whole += width;
    }
  }
  size_t units = whole / 2;
  if (utf16) {
    int highByte = encoding == Encoding::kUtf16Le;
    for (size_t k = 0; k < units; k++)
      units_[k] = (unsigned short)(raw[2 * k + highByte] << 8 | raw[2 * k + !highByte]);
  } else {
    units = codePages_.ToUnits(encoding == Encoding::kLegacyAnsi, raw_, whole, units_, kChunk);
  }
  carried_ = end - whole;
  memmove(raw_, raw_ + whole, carried_);
  if (units) outLength_ = utf::Utf16ToUtf8((const char16_t*)units_, units, out_, sizeof out_);
  return true;
}

}  // namespace menu

// Names compared without regard to the case of ASCII letters, double-byte characters
// whole; capitals of small letters from the Unicode case tables, for the blocks whose
// pairs follow a rule: a fixed distance, or a capital and its small letter side by side.
#include "letter_case.h"

namespace check {

std::string LowerName(const std::string& text, LeadByteTest isLeadByte) {
  std::string lower(text);
  for (size_t i = 0; i < lower.size(); ++i) {
    if (isLeadByte && isLeadByte(static_cast<unsigned char>(lower[i])) && i + 1 < lower.size())
      ++i;
    else
      lower[i] = LowerAscii(lower[i]);
  }
  return lower;
}

bool SameName(const std::string& a, const std::string& b, LeadByteTest isLeadByte) {
  return a.size() == b.size() && LowerName(a, isLeadByte) == LowerName(b, isLeadByte);
}

namespace {
// Blocks of pairs side by side: the capital at an even (or, with oddCapital, odd) code point.
const struct {
  unsigned first, last;
  bool oddCapital;
} kAlternating[] = {
    {0x0100, 0x012F, false}, {0x0132, 0x0137, false}, {0x0139, 0x0148, true},  {0x014A, 0x0177, false},
    {0x0179, 0x017E, true},  {0x0460, 0x0481, false}, {0x048A, 0x04BF, false}, {0x04C1, 0x04CE, true},
    {0x04D0, 0x052F, false}, {0x1E00, 0x1E95, false}, {0x1EA0, 0x1EFF, false},
};
// Blocks of small letters a fixed distance above their capitals.
const struct {
  unsigned first, last, distance;
} kShifted[] = {
    {'a', 'z', 0x20},       {0x00E0, 0x00FE, 0x20},  // Latin-1, but for the sign "÷"
    {0x03B1, 0x03CB, 0x20},                          // Greek, but for the final sigma
    {0x03AD, 0x03AF, 0x25}, {0x03CD, 0x03CE, 0x3F},  // Greek with tonos
    {0x0430, 0x044F, 0x20}, {0x0450, 0x045F, 0x50},  // Cyrillic
    {0x0561, 0x0586, 0x30},                          // Armenian
};
}  // namespace

unsigned CapitalLetter(unsigned c) {
  switch (c) {
    case 0x00F7:  // "÷" is no letter
      return c;
    case 0x00FF:  // "ÿ"
      return 0x0178;
    case 0x03C2:  // the final sigma
      return 0x03A3;
    case 0x03AC:  // "ά"
      return 0x0386;
    case 0x03CC:  // "ό"
      return 0x038C;
  }
  for (const auto& block : kShifted)
    if (c >= block.first && c <= block.last) return c - block.distance;
  for (const auto& block : kAlternating)
    if (c >= block.first && c <= block.last && (c & 1) != block.oddCapital) return c - 1;
  return c;
}

}  // namespace check

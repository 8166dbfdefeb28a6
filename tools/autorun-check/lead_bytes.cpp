// Lead-byte ranges as the code pages' tables give them (what IsDBCSLeadByteEx answers).
#include "lead_bytes.h"

namespace check {

namespace {
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

}  // namespace check

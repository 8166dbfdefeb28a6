// Names compared without regard to the case of ASCII letters, double-byte characters whole.
#include "lead_bytes.h"

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

}  // namespace check

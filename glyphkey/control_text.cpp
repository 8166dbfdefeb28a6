// Control text parsing: caption, accelerator key and the two icon names.
#include "control_text.h"

namespace glyphkey {
namespace {
constexpr char kSeparator = '@';
constexpr char kPrefix = '&';
constexpr unsigned kIdentifierRange = 65536;  // resource identifiers are 16 bits

// The first c at a character boundary: the second byte of a double-byte character
// is never taken for it.
char* FindCharacter(char* text, char c, LeadByteFn isLeadByte) {
  for (; *text; ++text) {
    if (*text == c) return text;
    if (isLeadByte && isLeadByte(static_cast<unsigned char>(*text)) && text[1]) ++text;
  }
  return nullptr;
}
}  // namespace

IconName ClassifyIconName(const char* name) {
  IconName result;
  result.present = true;
  result.text = name;
  unsigned value = 0;
  bool digitsOnly = *name != '\0';
  for (const char* p = name; *p; ++p) {
    if (*p < '0' || *p > '9') {
      digitsOnly = false;
      break;
    }
    // Keeping only the low 16 bits as we go gives the value modulo 65536 without overflow.
    value = (value * 10 + unsigned(*p - '0')) % kIdentifierRange;
  }
  // "0" and "00" are names, not identifiers. The whole value decides, before the modulo,
  // so "65536" is identifier 0 (which no resource has).
  bool nonZero = false;
  for (const char* p = name; digitsOnly && *p; ++p)
    if (*p != '0') nonZero = true;
  if (digitsOnly && nonZero) {
    result.isInteger = true;
    result.id = value;
  }
  return result;
}

int AcceleratorOf(const char* caption, UpperCaseFn upper) {
  for (const char* p = caption; *p; ++p) {
    if (*p != kPrefix) continue;
    if (p[1] == '\0') return 0;
    // Signed widening: characters from 0x80 up become negative and never match a key code.
    return static_cast<signed char>(upper(p[1]));
  }
  return 0;
}

ControlText ParseControlText(char* text, int limit, UpperCaseFn upper, LeadByteFn isLeadByte) {
  ControlText result;
  if (limit > 0) {
    int n = 0;
    while (n < limit && text[n]) ++n;
    text[n] = '\0';
  }
  result.caption = text;
  char* at = FindCharacter(text, kSeparator, isLeadByte);
  if (!at) {
    while (text[result.captionLength]) ++result.captionLength;
    return result;
  }
  *at = '\0';
  result.hasSeparator = true;
  result.captionLength = int(at - text);
  result.accelerator = AcceleratorOf(text, upper);
  char* upName = at + 1;
  char* second = FindCharacter(upName, kSeparator, isLeadByte);
  if (second) *second = '\0';
  result.up = ClassifyIconName(upName);
  if (second) result.down = ClassifyIconName(second + 1);
  return result;
}

}  // namespace glyphkey

// Control text parsing: caption, accelerator key and the two icon names.
#include "control_text.h"

namespace glyphkey {
namespace {
constexpr char kSeparator = '@';
constexpr char kPrefix = '&';
constexpr unsigned kIdentifierRange = 65536;  // resource identifiers are 16 bits

int CharacterSize(const char* p, LeadByteFn isLeadByte) {
  return isLeadByte && isLeadByte(static_cast<unsigned char>(*p)) && p[1] ? 2 : 1;
}

// The first c at a character boundary: the second byte of a double-byte character
// is never taken for it.
char* FindCharacter(char* text, char c, LeadByteFn isLeadByte) {
  for (; *text; ++text) {
    if (*text == c) return text;
    text += CharacterSize(text, isLeadByte) - 1;
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

Underline UnderlinedCharacter(const char* caption, LeadByteFn isLeadByte) {
  Underline result;
  for (const char* p = caption; *p; p += CharacterSize(p, isLeadByte)) {
    if (*p != kPrefix) continue;
    ++p;  // the marker; of "&&" the second "&" is shown, not underlined
    if (!*p) break;
    if (*p == kPrefix) continue;
    result.offset = int(p - caption);
    result.length = CharacterSize(p, isLeadByte);
    break;
  }
  return result;
}

int AcceleratorKeyOf(const char* caption, KeyScanFn keyScan, LeadByteFn isLeadByte) {
  constexpr int kNoKey = -1;
  constexpr int kModifierShift = 8;
  Underline underline = UnderlinedCharacter(caption, isLeadByte);
  if (underline.length != 1) return 0;
  int scan = keyScan(caption[underline.offset]);
  if (scan == kNoKey || (scan >> kModifierShift) != 0) return 0;
  return scan & 0xFF;
}

ControlText ParseControlText(char* text, int limit, KeyScanFn keyScan, LeadByteFn isLeadByte) {
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
  result.accelerator = AcceleratorKeyOf(text, keyScan, isLeadByte);
  char* upName = at + 1;
  char* second = FindCharacter(upName, kSeparator, isLeadByte);
  if (second) *second = '\0';
  result.up = ClassifyIconName(upName);
  if (second) result.down = ClassifyIconName(second + 1);
  return result;
}

}  // namespace glyphkey

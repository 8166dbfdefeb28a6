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
// A high surrogate followed by a low one is one character.
int CharacterSize(const wchar_t* p, LeadByteFn) {
  return (p[0] & 0xFC00) == 0xD800 && (p[1] & 0xFC00) == 0xDC00 ? 2 : 1;
}

// The first c at a character boundary: the second byte of a double-byte character
// is never taken for it.
template <typename Char>
Char* FindCharacter(Char* text, Char c, LeadByteFn isLeadByte) {
  for (; *text; ++text) {
    if (*text == c) return text;
    text += CharacterSize(text, isLeadByte) - 1;
  }
  return nullptr;
}
}  // namespace

template <typename Char>
IconNameOf<Char> ClassifyIconName(const Char* name) {
  IconNameOf<Char> result;
  result.present = true;
  result.text = name;
  unsigned value = 0;
  bool digitsOnly = *name != '\0';
  for (const Char* p = name; *p; ++p) {
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
  for (const Char* p = name; digitsOnly && *p; ++p)
    if (*p != '0') nonZero = true;
  if (digitsOnly && nonZero) {
    result.isInteger = true;
    result.id = value;
  }
  return result;
}

template <typename Char>
Underline UnderlinedCharacter(const Char* caption, LeadByteFn isLeadByte) {
  Underline result;
  for (const Char* p = caption; *p; p += CharacterSize(p, isLeadByte)) {
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

template <typename Char>
int AcceleratorKeyOf(const Char* caption, KeyScanOf<Char> keyScan, LeadByteFn isLeadByte) {
  constexpr int kNoKey = -1;
  constexpr int kModifierShift = 8;
  Underline underline = UnderlinedCharacter(caption, isLeadByte);
  if (underline.length != 1) return 0;
  int scan = keyScan(caption[underline.offset]);
  if (scan == kNoKey || (scan >> kModifierShift) != 0) return 0;
  return scan & 0xFF;
}

template <typename Char>
ControlTextOf<Char> ParseControlText(Char* text, int limit, KeyScanOf<Char> keyScan, LeadByteFn isLeadByte) {
  ControlTextOf<Char> result;
  if (limit > 0) {
    int n = 0;
    while (n < limit && text[n]) ++n;
    text[n] = '\0';
  }
  result.caption = text;
  Char* at = FindCharacter(text, Char(kSeparator), isLeadByte);
  if (!at) {
    while (text[result.captionLength]) ++result.captionLength;
    return result;
  }
  *at = '\0';
  result.hasSeparator = true;
  result.captionLength = int(at - text);
  result.accelerator = AcceleratorKeyOf(text, keyScan, isLeadByte);
  Char* upName = at + 1;
  Char* second = FindCharacter(upName, Char(kSeparator), isLeadByte);
  if (second) *second = '\0';
  result.up = ClassifyIconName(upName);
  if (second) result.down = ClassifyIconName(second + 1);
  return result;
}

// The two forms of text the control is given: ANSI bytes and UTF-16.
#define GLYPHKEY_TEXT_FORM(Char)                                           \
  template IconNameOf<Char> ClassifyIconName(const Char*);                 \
  template Underline UnderlinedCharacter(const Char*, LeadByteFn);         \
  template int AcceleratorKeyOf(const Char*, KeyScanOf<Char>, LeadByteFn); \
  template ControlTextOf<Char> ParseControlText(Char*, int, KeyScanOf<Char>, LeadByteFn);
GLYPHKEY_TEXT_FORM(char)
GLYPHKEY_TEXT_FORM(wchar_t)

}  // namespace glyphkey

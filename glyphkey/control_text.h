// Control text of a GlyphKey window: "caption@up-icon[@down-icon]", cut and classified in place.
#pragma once

namespace glyphkey {

// The creation text is read into a buffer of this size, so at most 255 characters count.
constexpr int kTextBufferSize = 256;
constexpr int kCreationTextLimit = kTextBufferSize - 1;
// GKM_SETTEXT parses the caller's whole text.
constexpr int kNoTextLimit = -1;

// An icon name is either an integer resource identifier or a resource name string.
struct IconName {
  bool present = false;        // false: the text had no such part
  bool isInteger = false;      // digits only, value not zero
  unsigned id = 0;             // the identifier modulo 65536 when isInteger
  const char* text = nullptr;  // the name string (points into the parsed text)
};

struct ControlText {
  bool hasSeparator = false;  // false: no "@", the whole text is the caption, no icons
  const char* caption = nullptr;
  int captionLength = 0;
  int accelerator = 0;  // valid only when hasSeparator
  IconName up;
  IconName down;
};

// Upper-cases one character the way the window system does (CharUpperA on Windows).
using UpperCaseFn = char (*)(char);
// Is the byte the first of a double-byte character (IsDBCSLeadByte on Windows)? In the
// code pages of Japanese, Chinese and Korean the second byte may be "@" (0x40), as in
// the Shift-JIS character 0x8B 0x40: the search for "@" steps over such characters.
// Null means a single-byte code page.
using LeadByteFn = bool (*)(unsigned char);

// Classifies one icon name: digits-only and non-zero -> integer identifier modulo 65536.
IconName ClassifyIconName(const char* name);

// The accelerator of a caption: the character after its first "&", upper-cased and
// widened from a signed 8-bit value; 0 without "&" or when the caption ends after it.
int AcceleratorOf(const char* caption, UpperCaseFn upper);

// Parses text in place: the first "@" (and a second one) become terminating zeros.
// limit > 0 cuts the text after that many characters first, as a fixed buffer does.
ControlText ParseControlText(char* text, int limit, UpperCaseFn upper, LeadByteFn isLeadByte = nullptr);

}  // namespace glyphkey

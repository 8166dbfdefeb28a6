// Control text of a GlyphKey window: "caption@up-icon[@down-icon]", cut and classified in place.
// Each procedure reads ANSI bytes (char, with the code page's lead bytes) or UTF-16 units
// (wchar_t, where a surrogate pair is one character), the two forms the control is given.
#pragma once

namespace glyphkey {

// The creation text is read into a buffer of this size, so at most 255 characters count.
constexpr int kTextBufferSize = 256;
constexpr int kCreationTextLimit = kTextBufferSize - 1;
// GKM_SETTEXT parses the caller's whole text.
constexpr int kNoTextLimit = -1;

// An icon name is either an integer resource identifier or a resource name string.
template <typename Char>
struct IconNameOf {
  bool present = false;        // false: the text had no such part
  bool isInteger = false;      // digits only, value not zero
  unsigned id = 0;             // the identifier modulo 65536 when isInteger
  const Char* text = nullptr;  // the name string (points into the parsed text)
};

template <typename Char>
struct ControlTextOf {
  bool hasSeparator = false;  // false: no "@", the whole text is the caption, no icons
  const Char* caption = nullptr;
  int captionLength = 0;  // in characters of the text's form (bytes or UTF-16 units)
  int accelerator = 0;    // a virtual-key code, 0 for none; valid only when hasSeparator
  IconNameOf<Char> up;
  IconNameOf<Char> down;
};
using IconName = IconNameOf<char>;
using ControlText = ControlTextOf<char>;

// What the keyboard layout says of a character in its lower case (VkKeyScanA or
// VkKeyScanW of the CharLower form on Windows): the virtual-key code in the low byte, the
// Shift, Ctrl and Alt it needs in the high byte; -1 when no key types it.
template <typename Char>
using KeyScanOf = short (*)(Char);
using KeyScanFn = KeyScanOf<char>;
// Is the byte the first of a double-byte character (IsDBCSLeadByte on Windows)? In the
// code pages of Japanese, Chinese and Korean the second byte may be "@" (0x40), as in
// the Shift-JIS character 0x8B 0x40: the search for "@" steps over such characters.
// Null means a single-byte code page. UTF-16 text takes none.
using LeadByteFn = bool (*)(unsigned char);

// Classifies one icon name: digits-only and non-zero -> integer identifier modulo 65536.
template <typename Char>
IconNameOf<Char> ClassifyIconName(const Char* name);

// The character that a caption underlines, as the window system draws it and a dialog
// manager matches a typed mnemonic: the one after the first "&" that is not part of "&&".
struct Underline {
  int offset = -1;  // in the caption; -1 when nothing is underlined
  int length = 0;   // 1, or 2 for a double-byte character or a surrogate pair
};
template <typename Char>
Underline UnderlinedCharacter(const Char* caption, LeadByteFn isLeadByte = nullptr);

// The accelerator key of a caption: the key that types its underlined character with no
// Shift, Ctrl or Alt. 0 when nothing is underlined, when that character is double-byte or
// a surrogate pair or needs a modifier ("&" and "(" on most layouts), or when no key types
// it: a character code is never taken for a key code ("&" is 0x26, the Up arrow's).
template <typename Char>
int AcceleratorKeyOf(const Char* caption, KeyScanOf<Char> keyScan, LeadByteFn isLeadByte = nullptr);

// Parses text in place: the first "@" (and a second one) become terminating zeros.
// limit > 0 cuts the text after that many characters first, as a fixed buffer does.
template <typename Char>
ControlTextOf<Char> ParseControlText(Char* text, int limit, KeyScanOf<Char> keyScan,
                                     LeadByteFn isLeadByte = nullptr);

}  // namespace glyphkey

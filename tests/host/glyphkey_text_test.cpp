// Control text parsing of the picture button: caption, accelerator, icon names, cuts; and
// the caption as a screen reader is told it.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "accessible_name.h"
#include "control_text.h"

using namespace glyphkey;

namespace {
// A US keyboard as VkKeyScanA of the lower case answers: letters and digits alone, "&"
// and "(" with Shift (on the 7 and 9 keys), "e acute" with Ctrl+Alt (as AltGr gives it
// elsewhere), and 0xA4 on a key of its own (0xDE, as the "a umlaut" key of a German
// layout); no key at all for the rest.
short UsKeyScan(char c) {
  constexpr short kShift = 0x100, kCtrlAlt = 0x600;
  if (c >= 'a' && c <= 'z') return short(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return short(c);
  if (c >= '0' && c <= '9') return short(c);
  if (c == '&') return kShift | '7';
  if (c == '(') return kShift | '9';
  if (c == '\xE9') return kCtrlAlt | 'E';
  if (c == '\xA4') return 0xDE;
  return -1;
}

struct Parsed {
  std::string buffer;
  ControlText text;
};
Parsed Parse(const std::string& s, int limit = kNoTextLimit) {
  Parsed p{s, {}};
  p.buffer.reserve(kTextBufferSize + s.size() + 1);
  p.text = ParseControlText(p.buffer.data(), limit, UsKeyScan);
  return p;
}
}  // namespace

TEST(ControlText, CaptionAndTwoIcons) {
  Parsed p = Parse("&Push@PushBtn@PushBtn2");
  ASSERT_TRUE(p.text.hasSeparator);
  EXPECT_STREQ(p.text.caption, "&Push");
  EXPECT_EQ(p.text.captionLength, 5);
  EXPECT_EQ(p.text.accelerator, 'P');
  EXPECT_TRUE(p.text.up.present);
  EXPECT_FALSE(p.text.up.isInteger);
  EXPECT_STREQ(p.text.up.text, "PushBtn");
  EXPECT_TRUE(p.text.down.present);
  EXPECT_STREQ(p.text.down.text, "PushBtn2");
}

TEST(ControlText, IntegerIdentifiersAndMissingDownIcon) {
  Parsed ok = Parse("OK@1@101");
  EXPECT_EQ(ok.text.accelerator, 0);
  EXPECT_TRUE(ok.text.up.isInteger);
  EXPECT_EQ(ok.text.up.id, 1u);
  EXPECT_TRUE(ok.text.down.isInteger);
  EXPECT_EQ(ok.text.down.id, 101u);

  Parsed menu = Parse("Install@205");
  EXPECT_EQ(menu.text.up.id, 205u);
  EXPECT_FALSE(menu.text.down.present);
}

TEST(ControlText, ThirdAtBelongsToTheDownIconName) {
  Parsed p = Parse("Go@up@down@more");
  EXPECT_STREQ(p.text.caption, "Go");
  EXPECT_STREQ(p.text.up.text, "up");
  EXPECT_STREQ(p.text.down.text, "down@more");
  // The caller's text is cut at both of the first two "@".
  EXPECT_EQ(p.buffer[2], '\0');
  EXPECT_EQ(p.buffer[5], '\0');
  EXPECT_EQ(p.buffer[10], '@');
}

TEST(ControlText, NamesThatAreNotIdentifiers) {
  // "0" and "000" are names; so is the empty name and digits followed by letters.
  for (const char* name : {"0", "000", "", "12AB", "1 2", "-5", "+7"}) {
    IconName n = ClassifyIconName(name);
    EXPECT_TRUE(n.present) << name;
    EXPECT_FALSE(n.isInteger) << name;
    EXPECT_STREQ(n.text, name);
  }
  Parsed empty = Parse("Caption@");
  EXPECT_TRUE(empty.text.hasSeparator);
  EXPECT_STREQ(empty.text.up.text, "");
  EXPECT_FALSE(empty.text.up.isInteger);
}

TEST(ControlText, IdentifiersAreTakenModulo65536) {
  EXPECT_EQ(ClassifyIconName("65737").id, 201u);  // 201 + 65536
  EXPECT_TRUE(ClassifyIconName("65737").isInteger);
  EXPECT_EQ(ClassifyIconName("0201").id, 201u);
  EXPECT_EQ(ClassifyIconName("65535").id, 65535u);
  // A non-zero value that is a multiple of 65536 is identifier 0, not a name.
  IconName wrap = ClassifyIconName("65536");
  EXPECT_TRUE(wrap.isInteger);
  EXPECT_EQ(wrap.id, 0u);
  // Far beyond 32 bits the remainder stays exact.
  unsigned long long big = 0;
  const char* digits = "123456789012345678901234567890";
  for (const char* p = digits; *p; ++p) big = (big * 10 + unsigned(*p - '0')) % 65536;
  EXPECT_EQ(ClassifyIconName(digits).id, unsigned(big));
}

// The accelerator is a key of the layout, never a character code: "&" is 0x26 and "("
// 0x28, the Up and Down arrows' codes, and an arrow key must not run a button.
TEST(ControlText, AcceleratorRules) {
  const struct {
    const char* text;
    int key;
  } cases[] = {
      {"O&nOff@a", 'N'},     {"&install@a", 'I'},  // the key, whatever the case of the letter
      {"Tom && Jerry@a", 0},                       // "&&" shows one "&" and underlines nothing
      {"&&&Both@a", 'B'},                          // after a shown "&", a marker
      {"&(Setup)@a", 0},                           // "(" needs Shift
      {"Ends&@a", 0},                              // nothing after the "&"
      {"A&b&c@a", 'B'},                            // only the first marker counts
      {"&7@a", '7'},         {"&\xE9t\xE9@a", 0},  // needs Ctrl+Alt
      {"&\xA4@a", 0xDE},                           // a key of its own, not the character code
      {"&~@a", 0},                                 // no key types it
      {"None@a", 0},         {"None@&x", 0},       // an "&" in an icon name is no marker
  };
  for (const auto& c : cases) EXPECT_EQ(Parse(c.text).text.accelerator, c.key) << c.text;
}

// One rule for the accelerator, the screen reader's shortcut and the disc checker.
TEST(ControlText, UnderlinedCharacter) {
  auto shiftJisLead = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
  const struct {
    const char* caption;
    int offset;
    int length;
  } cases[] = {{"&Beta", 1, 1},    {"Tom && Jerry", -1, 0},    {"Save && &Quit", 9, 1},
               {"&&&x", 3, 1},     {"Ends&", -1, 0},           {"", -1, 0},
               {"x\x81&y", -1, 0}, {"\x8B\x40&\x94\x5C", 3, 2}};
  for (const auto& c : cases) {
    Underline u = UnderlinedCharacter(c.caption, shiftJisLead);
    EXPECT_EQ(u.offset, c.offset) << c.caption;
    EXPECT_EQ(u.length, c.length) << c.caption;
  }
  // A double-byte character underlined has no key of its own.
  EXPECT_EQ(AcceleratorKeyOf("\x8B\x40&\x94\x5C", UsKeyScan, shiftJisLead), 0);
}

TEST(ControlText, NoSeparatorLeavesTextWhole) {
  Parsed p = Parse("Save &all");
  EXPECT_FALSE(p.text.hasSeparator);
  EXPECT_EQ(p.text.captionLength, 9);
  EXPECT_EQ(p.text.accelerator, 0);  // no "@": the accelerator is not read
  EXPECT_FALSE(p.text.up.present);
  EXPECT_FALSE(p.text.down.present);
  EXPECT_EQ(p.buffer, "Save &all");
}

TEST(ControlText, CreationCutsAfter255Characters) {
  std::string caption(254, 'x');
  // "@" as the 255th character still counts ...
  Parsed inside = Parse(caption + "@7@8", kCreationTextLimit);
  EXPECT_TRUE(inside.text.hasSeparator);
  EXPECT_STREQ(inside.text.up.text, "");  // the icon names were cut away
  EXPECT_FALSE(inside.text.down.present);
  // ... as the 256th it does not: the text is a caption without icons.
  Parsed outside = Parse(caption + "x@7", kCreationTextLimit);
  EXPECT_FALSE(outside.text.hasSeparator);
  EXPECT_EQ(outside.text.captionLength, 255);
  // GKM_SETTEXT parses the whole text.
  Parsed whole = Parse(caption + "x@7", kNoTextLimit);
  EXPECT_TRUE(whole.text.hasSeparator);
  EXPECT_EQ(whole.text.up.id, 7u);
  EXPECT_EQ(whole.text.captionLength, 255);
}

// In code page 932 (Shift-JIS) the second byte of a character may be "@": "機" is
// 0x8B 0x40. The caption keeps such characters whole; single-byte code pages (no lead
// bytes) cut at the same "@" as before.
TEST(ControlText, DoubleByteCharactersWithAnAtSignStayWhole) {
  auto shiftJisLead = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
  std::string text = "\x8B\x40\x94\x5C@203@\x8B\x40";  // "機能", icon 203, down icon named "機"
  ControlText t = ParseControlText(text.data(), kNoTextLimit, UsKeyScan, shiftJisLead);
  EXPECT_STREQ(t.caption, "\x8B\x40\x94\x5C");
  EXPECT_EQ(t.up.id, 203u);
  EXPECT_STREQ(t.down.text, "\x8B\x40");
  // A lead byte at the very end has no second byte to step over.
  std::string cut = "Go\x8B";
  EXPECT_FALSE(ParseControlText(cut.data(), kNoTextLimit, UsKeyScan, shiftJisLead).hasSeparator);
  std::string latin = "\x8B\x40\x94\x5C@203";
  EXPECT_STREQ(ParseControlText(latin.data(), kNoTextLimit, UsKeyScan).caption, "\x8B");
}

// What a screen reader is told: the caption as drawn, and the underlined character.
TEST(AccessibleName, MarkersDroppedAndMnemonicFound) {
  const struct {
    const char* caption;
    const char* name;
    int mnemonic;
  } cases[] = {
      {"&Beta", "Beta", 0},
      {"O&nOff", "OnOff", 1},
      {"A && B", "A & B", -1},
      {"Save && &Quit", "Save & Quit", 7},  // "&&" is no marker: the mnemonic is the Q
      {"A&b&c", "Abc", 1},                  // only the first marker underlines
      {"Ends&", "Ends", -1},
      {"&&&x", "&x", 1},
      {"", "", -1},
      {"Plain", "Plain", -1},
  };
  for (const auto& c : cases) {
    char name[32];
    AccessibleName n = NameFromCaption(c.caption, name);
    EXPECT_STREQ(name, c.name) << c.caption;
    EXPECT_EQ(n.length, int(strlen(c.name))) << c.caption;
    EXPECT_EQ(n.mnemonic, c.mnemonic) << c.caption;
    EXPECT_EQ(n.mnemonicLength, c.mnemonic < 0 ? 0 : 1) << c.caption;
  }
}

// In Shift-JIS a character's second byte is never a marker, and an underlined double-byte
// character is reported whole.
TEST(AccessibleName, DoubleByteCharactersStayWhole) {
  auto shiftJisLead = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
  char name[16];
  AccessibleName n = NameFromCaption("\x8B\x40&\x94\x5C", name, shiftJisLead);
  EXPECT_STREQ(name, "\x8B\x40\x94\x5C");
  EXPECT_EQ(n.mnemonic, 2);
  EXPECT_EQ(n.mnemonicLength, 2);
  // 0x26 never follows a lead byte in Shift-JIS, but a broken text may hold it: it stays.
  n = NameFromCaption("\x81&x", name, shiftJisLead);
  EXPECT_STREQ(name, "\x81&x");
  EXPECT_EQ(n.mnemonic, -1);
}

// The UTF-16 form (GKM_SETTEXTW): a letter of any script is the layout's key, a surrogate
// pair is one character (never underlined in half, never a key), and the caller's text is
// cut at the same "@" signs.
TEST(ControlText, Utf16TextsParseAlike) {
  auto russianKeys = [](wchar_t c) -> short { return c == L'\x043F' ? short('G') : short(-1); };  // "п"
  wchar_t text[] = L"&\x043F\x0443\x0441\x043A@205@\x0438\x043A";
  ControlTextOf<wchar_t> t = ParseControlText(text, kNoTextLimit, +russianKeys);
  EXPECT_EQ(t.captionLength, 5);
  EXPECT_EQ(t.accelerator, 'G');
  EXPECT_EQ(t.up.id, 205u);
  EXPECT_EQ(std::wstring(t.down.text), L"\x0438\x043A");
  EXPECT_EQ(text[5], 0);

  const wchar_t pair[] = {L'&', 0xD83D, 0xDE00, L'x', 0};  // an emoji underlined
  Underline u = UnderlinedCharacter(pair);
  EXPECT_EQ(u.offset, 1);
  EXPECT_EQ(u.length, 2);
  EXPECT_EQ(AcceleratorKeyOf(pair, +russianKeys), 0);
  wchar_t name[8];
  AccessibleName n = NameFromCaption(pair, name);
  EXPECT_EQ(std::wstring(name), std::wstring(pair + 1));
  EXPECT_EQ(n.mnemonic, 0);
  EXPECT_EQ(n.mnemonicLength, 2);
}

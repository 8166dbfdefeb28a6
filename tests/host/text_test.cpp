// The launcher's shared text procedures: owned text, atoi-like numbers, DBCS trimming,
// UTF-8 and UTF-16.
#include "base/text.h"

#include <gtest/gtest.h>

#include <string>

#include "base/utf.h"

namespace {
bool ShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

TEST(Text, AppendsAndGrows) {
  Text t("ab");
  for (int i = 0; i < 1000; i++) t.AppendChar('x');
  EXPECT_EQ(t.length(), 1002u);
  t.AppendInt(-42);
  t.AppendInt(0);
  EXPECT_STREQ(t.c_str() + 1002, "-420");
  Text copy = t;
  t.Assign(t.c_str() + 1000);  // a part of itself
  EXPECT_STREQ(t.c_str(), "xx-420");
  EXPECT_EQ(copy.length(), 1006u);
}

TEST(Text, LeadingNumberReadsLikeAtoi) {
  EXPECT_EQ(LeadingNumber("10"), 10);
  EXPECT_EQ(LeadingNumber("  -10x"), -10);
  EXPECT_EQ(LeadingNumber("+7"), 7);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber("3abc"), 3);
  EXPECT_EQ(LeadingNumber("- 3"), 0);
  EXPECT_EQ(LeadingNumber("\t\n 5"), 5);
  EXPECT_EQ(LeadingNumber("99999999999999999999"), 2147483647);
  EXPECT_EQ(LeadingNumber("-99999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(LeadingNumber(nullptr), 0);
}

TEST(Text, TrimStepsOverDoubleByteCharacters) {
  size_t b, e;
  TrimRange("  a b \t", 7, nullptr, &b, &e);
  EXPECT_EQ(b, 2u);
  EXPECT_EQ(e, 5u);
  // 0x81 0x20 is one Shift-JIS character whose trail byte is a blank: it stays.
  const char sjis[] = "x\x81\x20";
  TrimRange(sjis, 3, ShiftJisLead, &b, &e);
  EXPECT_EQ(e, 3u);
  TrimRange(sjis, 3, nullptr, &b, &e);
  EXPECT_EQ(e, 2u);
}

TEST(Text, FindCharacterSkipsTrailBytes) {
  const char sjis[] = "\x81=a=b";  // the first "=" is a trail byte
  EXPECT_EQ(FindCharacter(sjis, '=', ShiftJisLead), sjis + 3);
  EXPECT_EQ(FindCharacter(sjis, '=', nullptr), sjis + 1);
  EXPECT_EQ(FindCharacter("abc", '=', nullptr), nullptr);
}

std::u16string ToUtf16(const std::string& s, size_t capacity = 64) {
  char16_t out[64];
  size_t n = utf::Utf8ToUtf16(s.data(), s.size(), out, capacity);
  EXPECT_EQ(out[n], 0);
  return std::u16string(out, n);
}
std::string ToUtf8(const std::u16string& s, size_t capacity = 64) {
  char out[64];
  size_t n = utf::Utf16ToUtf8(s.data(), s.size(), out, capacity);
  EXPECT_EQ(out[n], 0);
  return std::string(out, n);
}

// What is no character becomes U+FFFD, one for each piece that could not have begun one.
TEST(Utf, InvalidSequencesBecomeReplacementCharacters) {
  const struct {
    const char* utf8;
    std::u16string utf16;
  } rows[] = {
      {"A\xC3\xA9\xE2\x82\xAC", u"A\u00E9\u20AC"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},            // an overlong "/"
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},  // overlong in three bytes
      {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},              // an encoded surrogate
      {"\xF4\x90\x80\x80x", u"\uFFFD\uFFFD\uFFFD\uFFFDx"},  // above U+10FFFF
      {"\xE2\x82x", u"\uFFFDx"},                            // cut short: one replacement
      {"\xE2\x82", u"\uFFFD"},                              // cut by the end
      {"\x80\xBF"
       "a\xFF",
       u"\uFFFD\uFFFDa\uFFFD"},
  };
  for (const auto& row : rows) EXPECT_EQ(ToUtf16(row.utf8), row.utf16) << row.utf8;
  const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0xD83D};
  EXPECT_EQ(ToUtf8(std::u16string(lone, 5)),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD\xEF\xBF\xBD");
}

// Every character goes there and back unchanged; the counts are what the writes need.
TEST(Utf, RoundTripsEveryCharacter) {
  std::u16string all;
  for (unsigned c = 1; c < 0x110000; c += (c < 0x10000 ? 1 : 97))
    if (c < 0xD800 || c > 0xDFFF) {
      char16_t units[2];
      size_t n = c > 0xFFFF ? 2 : 1;
      units[0] = n == 2 ? char16_t(0xD800 + ((c - 0x10000) >> 10)) : char16_t(c);
      units[1] = char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
      all.append(units, n);
    }
  Text utf8;
  ASSERT_TRUE(utf::AppendUtf8(all.data(), all.size(), &utf8));
  EXPECT_EQ(utf::Utf16ToUtf8(all.data(), all.size(), nullptr, 0), utf8.length());
  size_t units = utf::Utf8ToUtf16(utf8.c_str(), utf8.length(), nullptr, 0);
  ASSERT_EQ(units, all.size());
  std::u16string back(units + 1, u'\0');
  utf::Utf8ToUtf16(utf8.c_str(), utf8.length(), &back[0], back.size());
  back.resize(units);
  EXPECT_TRUE(back == all);
}

// A full buffer ends on a whole character: never half a surrogate pair or of a sequence.
TEST(Utf, LimitsCutOnWholeCharacters) {
  EXPECT_EQ(ToUtf16("a\xF0\x9F\x98\x80", 3), u"a");  // the pair needs two of the two left
  EXPECT_EQ(ToUtf16("a\xF0\x9F\x98\x80", 4), u"a\U0001F600");
  EXPECT_EQ(ToUtf8(u"\u00E9\u20AC", 5), "\xC3\xA9");  // the euro sign needs three bytes
  EXPECT_EQ(ToUtf8(u"\u00E9\u20AC", 6), "\xC3\xA9\xE2\x82\xAC");
  char untouched = 'x';
  EXPECT_EQ(utf::Utf16ToUtf8(u"a", 1, &untouched, 0), 0u);
  EXPECT_EQ(untouched, 'x');
}
}  // namespace

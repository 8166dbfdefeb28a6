// The launcher's shared text procedures: owned text, atoi-like numbers, DBCS trimming.
#include "base/text.h"

#include <gtest/gtest.h>

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
}  // namespace

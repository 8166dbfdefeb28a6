// The launcher program's own rules, without a window: which entry a stored auto-start
// choice starts, how deep auto-starts nest, when a reload chosen in a popup happens, the
// message table and its Messages section, a button's caption as the About box lists it,
// and the layout arithmetic.
#include <gtest/gtest.h>

#include <climits>

#include "auto_start.h"
#include "button_caption.h"
#include "button_layout.h"
#include "centre_geometry.h"
#include "launcher_menu_source.h"
#include "message_table.h"
#include "popup_nesting.h"

namespace {

TEST(AutoStartChoice, StoredValuesReadAsAtoiDoes) {
  const struct {
    const char* stored;
    unsigned id;
  } cases[] = {
      {"", 0},       {"0", 0},        {"-1", 0},       {"abc", 0},     {"1", 1001},   {"3abc", 1003},
      {"  7", 1007}, {"+2", 1002},    {"31", 1031},    {"101", 1101},  {"130", 1130}, {"\t\n5x", 1005},
      {"- 3", 0},    {"0003", 1003},
  };
  for (const auto& c : cases) EXPECT_EQ(autostart::ChoiceId(c.stored), c.id) << '"' << c.stored << '"';
  EXPECT_EQ(autostart::ChoiceId(nullptr), 0u);
  // A number beyond the int range saturates instead of wrapping to a negative (no start)
  // or to a small entry number.
  EXPECT_EQ(autostart::ChoiceId("99999999999999999999"), 1000u + (unsigned)INT_MAX);
}

TEST(AutoStartNesting, ChainStopsAtTheBoundAndTheWindowStaysOpen) {
  autostart::NestingGuard guard;
  for (int i = 0; i < autostart::kDepthLimit; i++) ASSERT_TRUE(guard.Enter()) << i;
  EXPECT_EQ(guard.depth(), autostart::kDepthLimit);
  EXPECT_FALSE(guard.Enter());  // the deepest menu stays open
  // Every level that ran its entry returns without ending the window.
  for (int i = 0; i < autostart::kDepthLimit; i++) EXPECT_FALSE(guard.Leave()) << i;
  EXPECT_EQ(guard.depth(), 0);
  // The next load starts a chain of its own, which ends the window as usual.
  EXPECT_TRUE(guard.Enter());
  EXPECT_TRUE(guard.Leave());
}

TEST(AutoStartNesting, ShortChainEndsTheWindowAtEveryLevel) {
  autostart::NestingGuard guard;
  ASSERT_TRUE(guard.Enter());
  ASSERT_TRUE(guard.Enter());
  EXPECT_TRUE(guard.Leave());
  EXPECT_TRUE(guard.Leave());
}

TEST(PopupNesting, ReloadOutsidePopupsRunsAtOnce) {
  PopupNesting popups;
  EXPECT_TRUE(popups.RequestReload("page.inf"));
  Text file;
  popups.EnterPopup();
  EXPECT_FALSE(popups.LeavePopup(&file));  // nothing was asked for
}

TEST(PopupNesting, ReloadInNestedPopupsWaitsForTheOutermostAndTheLastWins) {
  PopupNesting popups;
  popups.EnterPopup();
  popups.EnterPopup();
  EXPECT_FALSE(popups.RequestReload("first.inf"));
  EXPECT_FALSE(popups.RequestReload("second.inf"));
  Text file;
  EXPECT_FALSE(popups.LeavePopup(&file));  // the inner popup: the window's table is not back yet
  EXPECT_TRUE(file.empty());
  EXPECT_TRUE(popups.LeavePopup(&file));
  EXPECT_STREQ(file.c_str(), "second.inf");
  // The request is used up.
  popups.EnterPopup();
  EXPECT_FALSE(popups.LeavePopup(&file));
  EXPECT_EQ(popups.depth(), 0);
}

TEST(MessageTable, NineNumbersInLoadingOrderAndEmptyForOthers) {
  const unsigned order[] = {115, 104, 101, 105, 106, 107, 109, 111, 113};
  for (int i = 0; i < messages::kCount; i++) EXPECT_EQ(messages::kKeys[i].number, order[i]);
  EXPECT_STREQ(messages::kKeys[0].key, "QuitButton");
  EXPECT_STREQ(messages::kKeys[8].key, "AutoStart");
  MessageTable table;
  EXPECT_STREQ(table.Get(115).c_str(), "");
  table.Set(115, "&Fermer");
  table.Set(115, "&Quitter");  // a second fill overwrites
  table.Set(102, "not a message");
  EXPECT_STREQ(table.Get(115).c_str(), "&Quitter");
  EXPECT_STREQ(table.Get(102).c_str(), "");
  EXPECT_STREQ(table.Get(0).c_str(), "");
}

// The Messages section of a converted file, read with the system profile reader's
// rules: each row is a file and the texts it gives QuitButton (115) and
// AboutBoxTitle (104); "-" is the text the table held before.
TEST(MessageTable, MessagesSectionReadAsTheProfileReaderReadsIt) {
  const std::string longText(600, 'x');
  const struct {
    std::string file;
    std::string quit, about;
  } rows[] = {
      {"[Messages]\r\nQuitButton=&Fermer\r\nAboutBoxTitle=A propos\r\n", "&Fermer", "A propos"},
      {"[ MESSAGES ]\nquitbutton = &Fermer \n  ABOUTBOXTITLE\t=x", "&Fermer", "x"},
      {"[Messages]\nQuitButton=\nAboutBoxTitle=   ", "", ""},
      {"[Messages]\nQuitButton=\"Erreur !\"\nAboutBoxTitle='a'", "Erreur !", "a"},
      {"[Messages]\nQuitButton=\"a'\nAboutBoxTitle=\"", "\"a'", "\""},
      {"[Messages]\nQuitButton=a=b\nQuitButton=second", "a=b", "-"},
      {"QuitButton=no section\n[Other]\nQuitButton=other section", "-", "-"},
      {"[Messages]\n;QuitButton=comment\nQuitButton\n[autorun]\nAboutBoxTitle=autorun", "-", "-"},
      {"[Messages]\nQuitButton=first\n[Messages]\nAboutBoxTitle=second section", "first", "-"},
      {"[Messages]\nQuitButton=" + longText, longText.substr(0, 511), "-"},
  };
  for (const auto& row : rows) {
    MessageTable table;
    table.Set(115, "-");
    table.Set(104, "-");
    testing_menu::MemorySource source(row.file, 5);
    table.ReadMessages(source);
    EXPECT_EQ(table.Get(115).c_str(), row.quit) << row.file;
    EXPECT_EQ(table.Get(104).c_str(), row.about) << row.file;
  }
}

bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

TEST(ButtonCaption, AmpersandsBecomeBlanksAndWhiteSpaceGoes) {
  EXPECT_STREQ(PlainButtonCaption("&Install", nullptr).c_str(), "Install");
  EXPECT_STREQ(PlainButtonCaption(" &Setup ", nullptr).c_str(), "Setup");
  EXPECT_STREQ(PlainButtonCaption("Read &me", nullptr).c_str(), "Read  me");
  EXPECT_STREQ(PlainButtonCaption("Tom && Jerry\t\r\n", nullptr).c_str(), "Tom    Jerry");
  EXPECT_STREQ(PlainButtonCaption("&", nullptr).c_str(), "");
  EXPECT_STREQ(PlainButtonCaption("", nullptr).c_str(), "");
  // A double-byte character at the end stays whole: its trail byte is no white space.
  EXPECT_STREQ(PlainButtonCaption("&A\x82\xA0 ", ShiftJisLead).c_str(), "A\x82\xA0");
}

TEST(Layout, ThreeEntriesWithoutGapsAsTheWindowGrows) {
  layout::ButtonColumn column(32);
  EXPECT_EQ(column.NextButtonTop(), 4);
  EXPECT_EQ(column.NextButtonTop(), 44);
  EXPECT_EQ(column.NextButtonTop(), 84);
  EXPECT_EQ(column.y(), 124);
  EXPECT_EQ(column.buttonHeight(), 38);
  layout::ButtonColumn gaps(32);
  gaps.Gap(20);
  EXPECT_EQ(gaps.NextButtonTop(), 24);
  gaps.Gap(-40);
  EXPECT_EQ(gaps.NextButtonTop(), 24);  // overlaps the first
  EXPECT_EQ(layout::ButtonWidth(322), 308);
}

TEST(Layout, QuitButtonAndIconicIcon) {
  int x, y;
  layout::QuitButtonOrigin(322, 150, 75, 21, &x, &y);
  EXPECT_EQ(x, 123);
  EXPECT_EQ(y, 127);
  layout::QuitButtonOrigin(74, 150, 75, 21, &x, &y);  // wider than the client: truncates toward zero
  EXPECT_EQ(x, 0);
  layout::IconicIconOrigin(36, 37, 32, 32, &x, &y);
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 3);
  layout::IconicIconOrigin(20, 20, 32, 32, &x, &y);
  EXPECT_EQ(x, -5);
  EXPECT_EQ(y, -5);
}

TEST(Centring, InsideTheBoundsAndPushedBackWhenTooLarge) {
  const geometry::Rect work = {0, 0, 1024, 738};
  long x, y;
  geometry::CentredOrigin(work, work, 330, 300, &x, &y);
  EXPECT_EQ(x, 347);
  EXPECT_EQ(y, 219);
  geometry::CentredOrigin(work, work, 330, 900, &x, &y);  // taller than the work area
  EXPECT_EQ(y, 0);
  const geometry::Rect owner = {900, 600, 1020, 700};  // near the right and bottom edges
  geometry::CentredOrigin(owner, work, 300, 200, &x, &y);
  EXPECT_EQ(x, 1024 - 300);
  EXPECT_EQ(y, 738 - 200);
  const geometry::Rect left = {-200, 10, 100, 50};
  geometry::CentredOrigin(left, work, 400, 20, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 20);
}

}  // namespace

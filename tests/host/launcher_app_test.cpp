// The launcher program's own rules, without a window: which entry a stored auto-start
// choice starts, how deep auto-starts nest, when a reload chosen in a popup happens, the
// message table and its Messages section, a button's caption as the About box lists it,
// and the layout arithmetic.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

#include "framework/centre_geometry.h"
#include "launcher_menu_source.h"
#include "menu/menu_entry.h"
#include "menu/message_table.h"
#include "window/auto_start.h"
#include "window/button_caption.h"
#include "window/button_layout.h"
#include "window/popup_nesting.h"
#include "window/start_monitor.h"
#include "window/template_frame.h"

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

// Two popups, one opened inside the other, set tables aside and put them back as the
// launcher window does; the sanitizers see a table freed twice or never.
TEST(OwnedTable, NestedPopupsPutTheWindowsTableBack) {
  OwnedTable entries, savedEntries, outerSaved[2];
  entries.Reset(new MenuEntryTable);
  const MenuEntryTable* window = entries.operator->();
  for (OwnedTable& kept : outerSaved) {
    kept.Take(savedEntries);
    savedEntries.Take(entries);
    entries.Reset(new MenuEntryTable);  // the popup's own table
  }
  for (int level = 1; level >= 0; level--) {
    entries.Take(savedEntries);
    savedEntries.Take(outerSaved[level]);
  }
  EXPECT_EQ(entries.operator->(), window);
  EXPECT_FALSE(savedEntries);
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
      {"[x]\n[messages]\nQuitButton=a\n[x]\n[Messages]\nQuitButton=b\nAboutBoxTitle=c", "a", "-"},
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

TEST(ButtonCaption, AmpersandsBecomeBlanksWhiteSpaceAndIconNamesGo) {
  EXPECT_STREQ(PlainButtonCaption("&Install", nullptr).c_str(), "Install");
  EXPECT_STREQ(PlainButtonCaption(" &Setup ", nullptr).c_str(), "Setup");
  EXPECT_STREQ(PlainButtonCaption("Read &me", nullptr).c_str(), "Read  me");
  EXPECT_STREQ(PlainButtonCaption("Tom && Jerry\t\r\n", nullptr).c_str(), "Tom    Jerry");
  EXPECT_STREQ(PlainButtonCaption("&", nullptr).c_str(), "");
  EXPECT_STREQ(PlainButtonCaption("", nullptr).c_str(), "");
  // A double-byte character at the end stays whole: its trail byte is no white space.
  EXPECT_STREQ(PlainButtonCaption("&A\x82\xA0 ", ShiftJisLead).c_str(), "A\x82\xA0");
  // The control shows what comes before the first "@", which may be a trail byte.
  EXPECT_STREQ(PlainButtonCaption(" Mail@home@201", nullptr).c_str(), "Mail");
  EXPECT_STREQ(PlainButtonCaption("A\x81\x40X@201", ShiftJisLead).c_str(), "A\x81\x40X");
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
  gaps.Gap(-1);
  EXPECT_EQ(gaps.NextButtonTop(), 63);  // one pixel below the first
  gaps.Gap(-40);
  EXPECT_EQ(gaps.NextButtonTop(), 101);  // touches the second, never overlaps it
  layout::ButtonColumn above(32);
  above.Gap(-5);
  EXPECT_EQ(above.NextButtonTop(), 0);  // never above the client area
  for (int i = 0; i < 1000; i++) above.Gap(INT_MAX);
  EXPECT_EQ(above.y(), layout::kFarthest);
  above.Gap(INT_MIN);
  EXPECT_EQ(above.NextButtonTop(), 38);
  EXPECT_EQ(layout::ButtonWidth(322), 308);
}

// Margins, the space between buttons and the gaps are 96-dpi figures scaled to the DPI,
// rounded as MulDiv rounds; the icon height is the system's for the DPI.
TEST(Layout, FiguresScaleWithTheDpi) {
  const struct {
    int dpi, icon;
    int tops[3], y, height, width, quitY, firstAfterGap, gapY;
  } rows[] = {
      {96, 32, {4, 44, 84}, 124, 38, 308, 127, 24, 150},
      {120, 40, {5, 56, 107}, 158, 48, 304, 126, 30, 191},
      {144, 48, {6, 66, 126}, 186, 57, 300, 126, 36, 225},
      {192, 64, {8, 88, 168}, 248, 76, 294, 125, 48, 300},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.dpi);
    layout::ButtonColumn column(row.icon, row.dpi);
    for (int top : row.tops) EXPECT_EQ(column.NextButtonTop(), top);
    EXPECT_EQ(column.y(), row.y);
    EXPECT_EQ(column.buttonHeight(), row.height);
    EXPECT_EQ(layout::ButtonWidth(322, row.dpi), row.width);
    int x, y;
    layout::QuitButtonOrigin(322, 150, 75, 21, &x, &y, row.dpi);
    EXPECT_EQ(y, row.quitY);
    // Authors write gaps as at 96 dpi: 20, then -1 (still below the button above) and 7.
    layout::ButtonColumn gaps(row.icon, row.dpi);
    gaps.Gap(20);
    EXPECT_EQ(gaps.NextButtonTop(), row.firstAfterGap);
    gaps.Gap(-1);
    EXPECT_GT(gaps.NextButtonTop(), row.firstAfterGap + row.height);
    gaps.NextButtonTop();
    gaps.Gap(7);
    EXPECT_EQ(gaps.y(), row.gapY);
    // Moved to a 96-dpi monitor and back, the column stands where it stood.
    layout::ButtonColumn there = gaps.AtDpi(32, 96);
    EXPECT_EQ(there.y(), 150);
    EXPECT_EQ(there.top(1), 63);
    layout::ButtonColumn back = there.AtDpi(row.icon, row.dpi);
    for (int i = 0; i < 3; i++) EXPECT_EQ(back.top(i), gaps.top(i));
    EXPECT_EQ(back.y(), gaps.y());
  }
  // 30 entries at 150 % on a laptop: ten to a column, the columns 9 pixels in.
  layout::ButtonColumn column(48, 144);
  for (int i = 0; i < 30; i++) column.NextButtonTop();
  const layout::Arrangement a = layout::Arrange(column, {489, 72, 482}, 1366, 728);
  EXPECT_EQ(a.columns, 3);
  EXPECT_EQ(a.windowHeight, 72 + 606);
  EXPECT_EQ(a.left[0], 11);
  EXPECT_EQ(a.left[10], 11 + 482);
  EXPECT_EQ(a.top[10], 6);
}

// The window of template 103 as Wine draws it, and 32-pixel icons.
const layout::Frame kFrame = layout::kWineTemplateFrame;
const long long E = 1LL << 40;  // an entry among the gaps of a menu below

struct Flowing {
  const char* what;
  std::vector<long long> menu;  // E for an entry, else a gap; {E, 16} for 16 entries
  int workWidth, workHeight;
  int columns, windowWidth, windowHeight;
  std::vector<std::array<int, 3>> places;  // some buttons: index, left, top
};

TEST(Layout, LongMenusFlowIntoColumnsThatFitTheWorkArea) {
  const std::vector<long long> wild = {INT_MIN, E, E, -100000, E, 99999, E, INT_MAX, E};
  const Flowing rows[] = {
      {"17 entries just fit", {E, 17}, 1366, 732, 1, 327, 732, {{16, 7, 644}}},
      {"one row too many", {E, 18}, 1366, 732, 2, 648, 732, {{16, 7, 644}, {17, 328, 4}}},
      {"30 on a laptop", {E, 30}, 1366, 728, 2, 648, 692, {{15, 7, 604}, {16, 328, 4}, {29, 328, 524}}},
      {"a gap inside a column", {E, 10, 100, E, 20}, 1366, 728, 2, 648, 712, {{13, 7, 624}, {14, 328, 4}}},
      {"a gap at a column's end", {E, 16, 30, E, 14}, 1366, 728, 2, 648, 692, {{16, 328, 4}}},
      {"a last gap too large", {E, 3, 99999}, 1366, 728, 1, 327, 172, {{2, 7, 84}}},
      {"huge, negative gaps", wild, 1024, 728, 3, 969, 166, {{0, 7, 0}, {3, 328, 4}, {4, 649, 4}}},
      {"too wide: the gaps go", wild, 800, 728, 1, 327, 252, {{0, 7, 4}, {2, 7, 84}, {4, 7, 164}}},
      // Where not even one button fits, columns would not help: the single column stays.
      {"a work area of no height", {E, 3}, INT_MAX, INT_MIN, 1, 327, 172, {{2, 7, 84}}},
      {"no room for one button", {E, 30}, 1366, 91, 1, 327, 1252, {{29, 7, 1164}}},
      {"room for one button", {E, 3}, 1366, 92, 3, 969, 92, {{2, 649, 4}}},
  };
  for (const Flowing& row : rows) {
    SCOPED_TRACE(row.what);
    layout::ButtonColumn column(32);
    for (size_t i = 0; i < row.menu.size(); i++) {
      if (row.menu[i] != E) {
        column.Gap(static_cast<int>(row.menu[i]));
        continue;
      }
      int times = i + 1 < row.menu.size() && row.menu[i + 1] > 0 && row.menu[i + 1] <= 30 ? row.menu[++i] : 1;
      while (times--) column.NextButtonTop();
    }
    layout::Arrangement a = layout::Arrange(column, kFrame, row.workWidth, row.workHeight);
    EXPECT_EQ(a.columns, row.columns);
    EXPECT_EQ(a.windowWidth, row.windowWidth);
    EXPECT_EQ(a.windowHeight, row.windowHeight);
    for (const auto& place : row.places) {
      EXPECT_EQ(a.left[place[0]], place[1]) << "button " << place[0];
      EXPECT_EQ(a.top[place[0]], place[2]) << "button " << place[0];
    }
    // Every button inside the window's client area, in entry order down each column and
    // then into the next to the right, and no two overlapping.
    const int clientWidth = a.windowWidth - (kFrame.windowWidth - kFrame.clientWidth);
    for (int i = 0; i < column.count(); i++) {
      EXPECT_GE(a.top[i], 0);
      EXPECT_LE(a.top[i] + column.buttonHeight(), a.windowHeight - kFrame.windowHeight);
      EXPECT_LE(a.left[i] + layout::ButtonWidth(kFrame.clientWidth), clientWidth - layout::kButtonX);
      if (i == 0) continue;
      bool below = a.left[i] == a.left[i - 1] && a.top[i] >= a.top[i - 1] + column.buttonHeight();
      bool nextColumn = a.left[i] == a.left[i - 1] + kFrame.clientWidth && a.top[i] == layout::kColumnTop;
      EXPECT_TRUE(below || nextColumn) << "button " << i;
    }
  }
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

// The monitor the window opens on: a primary of 1920 x 1080, one of 1280 x 1024 to its
// right and one of 1024 x 768 to its left.
TEST(StartMonitor, NamedByWindowsElseUnderThePointerElseNearest) {
  const geometry::Rect monitors[] = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}, {-1024, 0, 0, 768}};
  const struct {
    const char* what;
    int count, named;
    geometry::Point pointer;
    int chosen;
  } rows[] = {
      {"pointer on the primary", 3, -1, {960, 540}, 0},
      {"pointer on the right", 3, -1, {2000, 500}, 1},
      {"pointer on the left, negative", 3, -1, {-1, 10}, 2},
      {"a right edge belongs to the next", 3, -1, {1920, 10}, 1},
      {"named by Windows wins", 3, 0, {2000, 500}, 0},
      {"a name not in the list counts not", 3, 7, {2000, 500}, 1},
      {"below the smaller: the nearest", 3, -1, {2000, 1050}, 1},
      {"far below the left: nearer the primary", 3, -1, {-500, 5000}, 0},
      {"one monitor, pointer off it", 1, -1, {-50, -50}, 0},
      {"no monitors", 0, -1, {0, 0}, -1},
  };
  for (const auto& row : rows)
    EXPECT_EQ(geometry::ChooseStartMonitor(monitors, row.count, row.named, row.pointer), row.chosen)
        << row.what;
}

}  // namespace

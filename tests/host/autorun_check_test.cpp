// The disc checker on crafted discs (a clean one and one per kind of warning),
// on every file of the corpus of real autorun.inf files, and its command view.
#include <dirent.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "association_table.h"
#include "autoplay_rules.h"
#include "command_kind.h"
#include "corpus.h"
#include "disc_check.h"
#include "disc_files.h"
#include "icon_file.h"
#include "language_code_page.h"
#include "letter_case.h"
#include "menu/menu_keys.h"
#include "message_rules.h"
#include "page_layout.h"
#include "report_format.h"
#include "system.h"

namespace {

std::string Disc(const char* name) {
  return std::string(DISCS_DIR) + "/" + name;
}

std::vector<std::string> Places(const check::DiscReport& report) {
  std::vector<std::string> places;
  for (const check::Warning& w : report.warnings) places.push_back(w.file + ":" + std::to_string(w.line));
  return places;
}

// The disc read as a user of the language reads it ("" for every language file).
check::CheckOptions Reading(const char* language) {
  check::CheckOptions options;
  options.language = language;
  return options;
}

std::string Printed(const check::DiscReport& report, check::Format format) {
  return check::FormatReport(report, format);
}

TEST(AutorunCheck, CleanDiscListsEveryPageAndPopupWithoutWarnings) {
  check::DiscReport report = check::CheckPath(Disc("clean"));
  ASSERT_EQ(report.unreadable, "");
  EXPECT_EQ(check::ExitStatus(report), 0) << Printed(report, check::Format::kPlain);
  ASSERT_EQ(report.menus.size(), 3u);
  EXPECT_EQ(report.menus[0].file, "autorun.inf");
  EXPECT_EQ(report.menus[0].title, "Clean disc");
  EXPECT_EQ(report.menus[0].name, "CleanDisc");
  EXPECT_EQ(report.menus[1].file, "tools.inf");
  EXPECT_TRUE(report.menus[1].popup);
  EXPECT_EQ(report.menus[1].openedFrom, "autorun.inf:16");
  EXPECT_EQ(report.menus[2].file, "page2.inf");
  EXPECT_FALSE(report.menus[2].popup);

  // Entries, the gap and the copy in file order, with icons and kinds.
  const std::vector<check::MenuItem>& items = report.menus[0].items;
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[0].caption, "&Install");
  EXPECT_EQ(items[0].iconNumber, 201);
  EXPECT_EQ(items[0].captionLine, 8);
  EXPECT_EQ(items[0].line, 9);
  EXPECT_EQ(items[0].view.kind, check::CommandKind::kProgram);
  EXPECT_EQ(items[1].view.kind, check::CommandKind::kDocument);
  EXPECT_EQ(items[1].iconNumber, 210);
  EXPECT_EQ(items[2].type, check::MenuItem::kGap);
  EXPECT_EQ(items[2].gap, 10);
  EXPECT_EQ(items[3].view.kind, check::CommandKind::kWebLink);
  EXPECT_EQ(items[3].view.target, "https://example.org/");
  EXPECT_EQ(items[4].view.kind, check::CommandKind::kPopup);
  EXPECT_EQ(items[5].type, check::MenuItem::kCopy);
  EXPECT_EQ(items[5].copyDestination, "C:\\WINDOWS\\tool.dll");
  EXPECT_EQ(items[6].view.kind, check::CommandKind::kPage);
  EXPECT_EQ(items[6].index, 4);  // the gap and the copy take no entry
  EXPECT_EQ(items[6].iconNumber, 222);

  std::string terminal = Printed(report, check::Format::kTerminal);
  EXPECT_NE(terminal.find("icon 24: a text page with a globe (a web page)"), std::string::npos);
  EXPECT_NE(terminal.find("-- separator --"), std::string::npos);  // the popup's gap
  EXPECT_NE(terminal.find("0 warnings"), std::string::npos);

  // Pages, not popups, give their window's size on a 1366 x 768 screen; 30 entries need two columns.
  std::string plain = Printed(report, check::Format::kPlain);
  EXPECT_NE(plain.find("window\tautorun.inf\t327\t262\t1\n"), std::string::npos) << plain;
  EXPECT_NE(plain.find("window\tpage2.inf\t327\t92\t1\n"), std::string::npos);
  EXPECT_EQ(plain.find("window\ttools.inf"), std::string::npos);
  EXPECT_NE(terminal.find("window     327 x 262 pixels, 1 column of buttons"), std::string::npos);
  std::string limit = Printed(check::CheckPath(Disc("broken-limit")), check::Format::kPlain);
  EXPECT_NE(limit.find("window\tautorun.inf\t648\t692\t2\n"), std::string::npos) << limit;
  // --dpi 144: the same screen at 150 %, so the same columns, every figure half as large again.
  std::string scaled = check::FormatReport(report, check::Format::kPlain, 144);
  std::string scaledLimit =
      check::FormatReport(check::CheckPath(Disc("broken-limit")), check::Format::kPlain, 144);
  std::string note = check::FormatReport(report, check::Format::kReadable, 144);
  EXPECT_NE(scaled.find("window\tpage2.inf\t491\t138\t1\n"), std::string::npos) << scaled;
  EXPECT_NE(scaledLimit.find("window\tautorun.inf\t973\t1038\t2\n"), std::string::npos) << scaledLimit;
  EXPECT_NE(note.find("a 2049 x 1152 screen at 144 dpi (150 %)"), std::string::npos) << note;
}

struct Expected {
  const char* disc;
  std::vector<std::string> places;     // every warning's file:line, in order
  std::vector<std::string> fragments;  // a piece of each warning's text, in the same order
};

class BrokenDisc : public testing::TestWithParam<Expected> {};

TEST_P(BrokenDisc, WarnsAtTheRightLines) {
  const Expected& expected = GetParam();
  check::DiscReport report = check::CheckPath(Disc(expected.disc));
  ASSERT_EQ(report.unreadable, "");
  EXPECT_EQ(check::ExitStatus(report), 1);
  std::string printed = Printed(report, check::Format::kPlain);
  ASSERT_EQ(Places(report), expected.places) << printed;
  for (size_t i = 0; i < expected.fragments.size(); ++i)
    EXPECT_NE(report.warnings[i].text.find(expected.fragments[i]), std::string::npos)
        << report.warnings[i].text << "\nlacks: " << expected.fragments[i];
  // Scripts can pick the warnings out by their file:line: prefix (file: alone for the whole file).
  std::string place = expected.places[0];
  if (place.size() > 2 && place.compare(place.size() - 2, 2, ":0") == 0) place.resize(place.size() - 2);
  EXPECT_NE(printed.find(place + ": warning: "), std::string::npos) << printed;
}

INSTANTIATE_TEST_SUITE_P(
    Discs, BrokenDisc,
    testing::Values(
        Expected{"broken-caption", {"autorun.inf:5"}, {"'Left alone' has no command"}},
        Expected{
            "broken-limit", {"autorun.inf:63"}, {"2 more entries and 1 other launcher line from here on"}},
        Expected{"broken-icons",
                 {"autorun.inf:3", "autorun.inf:8", "autorun.inf:10", "autorun.inf:12"},
                 {"no QXicon line comes before it", "icon number 27, which names no icon", "icon number -1",
                  "the icon list is used up"}},
        Expected{"broken-missing",
                 {"autorun.inf:4", "autorun.inf:6", "autorun.inf:8", "autorun.inf:10", "autorun.inf:12",
                  "autorun.inf:13"},
                 {"program 'setup\\setup.exe' is not on the disc", "document 'manual.htm'",
                  "'nowhere.inf' of this page", "'gone.inf' of this popup", "document (%) 'docs\\guide.txt'",
                  "copy source 'tool.dll'"}},
        Expected{"broken-circle",
                 {"autorun.inf:4", "other.inf:3"},
                 {"reloads the page it is on",
                  "popups form a circle: autorun.inf -> one.inf -> other.inf -> one.inf"}},
        Expected{"broken-cut",
                 {"autorun.inf:2", "autorun.inf:5", "autorun.inf:6", "autorun.inf:7", "autorun.inf:10"},
                 {"reads only '1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,'",
                  "copy directive is longer than 255", "copy destination is longer than 255",
                  "names no folder", "ErrorMsg is longer than 511"}},
        Expected{"broken-messages",
                 {"autorun.inf:7", "autorun.inf:9", "autorun.inf:10", "autorun.inf:11", "autorun.inf:16",
                  "more.inf:4"},
                 {"did you mean 'QuitButton'?", "SelectItem is given twice", "AboutBoxMenu is empty",
                  "unknown Messages key 'Colour'; the launcher reads",
                  "'NoneText' is in a second Messages section, which the launcher never reads (it reads only "
                  "the section of line 6)",
                  "Messages only from the disc's autorun.inf"}},
        Expected{"broken-blank",
                 {"autorun.inf:3", "autorun.inf:6"},
                 {"does not see its key 'title'", "does not see its key 'QXspace'"}},
        Expected{
            "broken-pairing",
            {"autorun.inf:5", "autorun.inf:5", "autorun.inf:7", "autorun.inf:7", "autorun.inf:7"},
            {"paired out of step from here: 'shell\\install' is taken as the command of entry 1",
             "program '&Install' is not on the disc", "'shellexecute' begins with 'shell'",
             "antivirus programs flag the key 'shellexecute'", "program 'setup.exe' is not on the disc"}},
        Expected{"broken-windows",
                 {"autorun.inf:2", "autorun.inf:4", "autorun.inf:8"},
                 {"open= starts 'setup.exe /autorun', not the menu", "flag the key 'UseAutoPlay'",
                  "flag the key 'shell\\open\\command'"}},
        Expected{"broken-noopen", {"autorun.inf:0"}, {"no open= line in [autorun]"}},
        Expected{"broken-action", {"autorun.inf:4"}, {"copies one of Windows' own AutoPlay choices"}},
        Expected{"broken-pictures",
                 {"autorun.inf:5", "autorun.inf:8", "autorun.inf:11", "autorun.inf:14", "autorun.inf:17",
                  "autorun.inf:23", "autorun.inf:24", "autorun.inf:27", "sub\\tools.inf:1"},
                 {"picture 'gone.ico' is not on the disc", "'notes.txt' is not an icon file",
                  "'one.ico' has no icon 1 (it holds 1 icon, number 0)", "negative icon number",
                  "no entry shows the picture 'one.ico'", "no entry shows the picture 'one.ico'",
                  "is a network or device path", "holds a '%'", "popup items show no pictures"}},
        Expected{"broken-languages",
                 {"autorun.inf:6", "autorun.inf:8", "autorun.inf:11", "autorun.inf:14", "autorun.inf:15",
                  "autorun.inf:19"},
                 {"language file 'francais.inf' is not on the disc; users of fr read autorun.inf",
                  "the condition 'windows>=12' of entry 1 'Setup' is not known; it holds everywhere",
                  "QXrun does nothing for entry 2 'More', which opens a menu",
                  "the language line comes after an entry",
                  "the run style 'later' of entry 3 'Run' is not known",
                  "the direction 'right' is neither rtl nor ltr"}},
        Expected{"broken-utf16",
                 {"autorun.inf:0", "autorun.inf:0", "autorun.inf:1"},
                 {"no open= line", "no QXName line", "UTF-16 without a byte-order mark"}},
        Expected{
            "broken-commands",
            {"autorun.inf:4", "autorun.inf:6", "autorun.inf:8", "autorun.inf:10", "autorun.inf:12",
             "autorun.inf:14", "autorun.inf:19", "autorun.inf:19", "autorun.inf:20", "autorun.inf:21",
             "autorun.inf:22"},
            {"opens '/AUTORUN' through its association instead of starting SETUP.EXE",
             "opens 'manual.pdf' through the program Windows associates with '.pdf' and does not start "
             "'viewer.exe'",
             "'%' included; write: %open readme.txt",
             "write: rundll32.exe url.dll,FileProtocolHandler http://", "opens 'Guide.txt'", "empty command",
             "write 'rundll32.exe' (or 'rundll32.'): only those stay in front of a document whose extension "
             "has an association; the launcher starts 'rundll32.exe url.dll,FileProtocolHandler "
             "url.dll,FileProtocolHandler readme.txt'",
             "document 'url.dll,FileProtocolHandler readme.txt' is not on the disc",
             "entry 8 '&samples' underlines 's' like entry 7 before it",
             "drops the program part: it opens 'readme.txt' through the program Windows associates with "
             "'.txt' and does not start 'viewer.exe'",
             "takes its source from off the disc"}}),
    [](const testing::TestParamInfo<Expected>& info) {
      std::string name = info.param.disc;
      for (char& c : name)
        if (c == '-') c = '_';
      return name;
    });

// A small 32-bit program image whose resources hold `groups` icon groups (and one
// bitmap), laid out as a linker lays it out: one section, at another address than its
// place in the file.
std::string ProgramWithIconGroups(int groups, bool pe32plus = false) {
  std::string b(0x400, '\0');
  auto put16 = [&](size_t at, unsigned v) { b[at] = char(v), b[at + 1] = char(v >> 8); };
  auto put32 = [&](size_t at, unsigned v) { put16(at, v & 0xFFFF), put16(at + 2, v >> 16); };
  b[0] = 'M', b[1] = 'Z';
  put32(0x3C, 0x80);
  put32(0x80, 0x4550);
  const size_t coff = 0x84, optional = coff + 20, optionalSize = pe32plus ? 240 : 224;
  put16(coff + 2, 1);  // one section
  put16(coff + 16, optionalSize);
  put16(optional, pe32plus ? 0x20B : 0x10B);
  put32(optional + (pe32plus ? 112 : 96) + 16, 0x3000);  // the resource table's address
  const size_t section = optional + optionalSize;
  put32(section + 8, 0x200), put32(section + 12, 0x3000), put32(section + 16, 0x200),
      put32(section + 20, 0x200);
  // The root: two numbered types, a bitmap (2) and icon groups (14), the second a directory.
  const size_t root = 0x200;
  put16(root + 14, 2);
  put32(root + 16, 2), put32(root + 20, 0x80000000u | 0x40);
  put32(root + 24, 14), put32(root + 28, 0x80000000u | 0x80);
  // One named group, the rest numbered.
  put16(root + 0x80 + 12, groups > 0), put16(root + 0x80 + 14, groups > 0 ? groups - 1 : 0);
  return b;
}

// A 16-bit program image (an .icl icon library is one) whose resource table holds a
// bitmap and `groups` icon groups.
std::string SixteenBitWithIconGroups(int groups) {
  std::string b(0x200, '\0');
  auto put16 = [&](size_t at, unsigned v) { b[at] = char(v), b[at + 1] = char(v >> 8); };
  b[0] = 'M', b[1] = 'Z', b[0x3C] = char(0x80);
  b[0x80] = 'N', b[0x81] = 'E';
  put16(0x80 + 0x24, 0x40), put16(0x80 + 0x26, 0x100);  // resources at 0xC0, names after them
  put16(0xC2, 0x8002), put16(0xC4, 1);                  // one bitmap
  put16(0xC2 + 20, 0x800E), put16(0xC4 + 20, groups);   // the icon groups
  return b;
}

// A program whose header says its PE header lies at `lfanew`.
std::string ProgramWithHeaderAt(uint32_t lfanew) {
  std::string b = ProgramWithIconGroups(2);
  for (int i = 0; i < 4; i++) b[0x3C + i] = char(lfanew >> (8 * i));
  return b;
}

TEST(IconFile, CountsIconsAsTheShellCounts) {
  std::ifstream ico(std::string(EXAMPLES_DIR) + "/demo/docs/box.ico", std::ios::binary);
  std::string icon((std::istreambuf_iterator<char>(ico)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(icon.empty());
  const struct {
    const char* what;
    std::string bytes;
    int count;
  } rows[] = {
      {"an icon file of two images is one icon", icon, 1},
      {"an icon file cut in its directory", icon.substr(0, 20), -1},
      {"a program with two icon groups", ProgramWithIconGroups(2), 2},
      {"a 64-bit program with three", ProgramWithIconGroups(3, true), 3},
      {"a program without icons", ProgramWithIconGroups(0), 0},
      {"a program cut before its resources", ProgramWithIconGroups(2).substr(0, 0x210), 0},
      {"an MS-DOS program: no resources", "MZ" + std::string(100, 'x'), 0},
      {"a 16-bit program or .icl library with three groups", SixteenBitWithIconGroups(3), 3},
      {"a cursor file", std::string("\0\0\2\0\1\0", 6) + std::string(16, '\x20'), 1},
      {"an animated cursor", std::string("RIFF\x10\0\0\0ACONanih", 16), 1},
      // Offsets that wrap round in 32-bit arithmetic land past the end, not at its start.
      {"a header at 0xFFFFFFFF", ProgramWithHeaderAt(0xFFFFFFFFu), 0},
      {"a header at 0xFFFFFFFE", ProgramWithHeaderAt(0xFFFFFFFEu), 0},
      {"text", "not an icon\r\n", -1},
      {"nothing", "", -1},
  };
  for (const auto& row : rows) EXPECT_EQ(check::IconCount(row.bytes), row.count) << row.what;

  // A video of 6 GB named as a picture: its headers are read, not the file.
  std::string path = testing::TempDir() + "icon-file-XXXXXX";
  int fd = mkstemp(&path[0]);
  ASSERT_GE(fd, 0);
  std::string head = ProgramWithIconGroups(2);
  ASSERT_EQ(write(fd, head.data(), head.size()), ssize_t(head.size()));
  ASSERT_EQ(ftruncate(fd, off_t(6) << 30), 0);
  close(fd);
  check::IconFile large = check::ReadIconFile(path);
  unlink(path.c_str());
  EXPECT_EQ(large.kind, check::IconFile::kProgram);
  EXPECT_EQ(large.count, 2);
}

TEST(AutorunCheck, DemoDiscsAreClean) {
  int checked = 0;
  // The demo as every user reads it, and as a French user reads it: its French start menu.
  std::unique_ptr<check::DiscCodePage> page = check::OpenCodePage(check::kDefaultCodePage);
  for (const char* language : {"", "fr"}) {
    const char* demo = *language ? "demo (fr)" : "demo";
    std::string folder = std::string(EXAMPLES_DIR) + "/demo";
    if (access((folder + "/autorun.inf").c_str(), F_OK) != 0) continue;
    ++checked;
    check::DiscReport report = check::CheckPath(folder, *page, Reading(language));
    if (*language) {
      EXPECT_EQ(report.menus[0].file, "fr\\menu.inf");
    }
    EXPECT_EQ(check::ExitStatus(report), 0) << demo << "\n" << Printed(report, check::Format::kPlain);
    // A page, a popup and a second page at least.
    bool popup = false;
    for (const check::MenuView& menu : report.menus) popup |= menu.popup;
    EXPECT_TRUE(popup) << demo;
    EXPECT_GE(report.menus.size(), 3u) << demo;
  }
  if (!checked) GTEST_SKIP() << "no demo disc under examples/";
}

// A disc in a folder of its own: files and their bytes, names in UTF-8 as on Linux.
class TempDisc {
 public:
  explicit TempDisc(const std::vector<std::pair<std::string, std::string>>& files) {
    std::string pattern = testing::TempDir() + "autorun-check-XXXXXX";
    root_ = mkdtemp(&pattern[0]);
    for (const auto& file : files) {
      FILE* out = fopen((root_ + "/" + file.first).c_str(), "wb");
      fwrite(file.second.data(), 1, file.second.size(), out);
      fclose(out);
      names_.push_back(file.first);
    }
  }
  ~TempDisc() {
    for (const std::string& name : names_) unlink((root_ + "/" + name).c_str());
    rmdir(root_.c_str());
  }
  const std::string& root() const { return root_; }

 private:
  std::string root_;
  std::vector<std::string> names_;
};

// Is there a warning at autorun.inf:line that holds the fragment?
bool WarnedAt(const check::DiscReport& report, int line, const std::string& fragment) {
  for (const check::Warning& w : report.warnings)
    if (w.file == "autorun.inf" && w.line == line && w.text.find(fragment) != std::string::npos) return true;
  return false;
}

TEST(AutorunCheck, WarnsAtPathsTheLauncherRefusesBeforeAClick) {
  TempDisc disc({{"autorun.inf",
                  "[autorun]\nopen=autorun.exe\nQXName=Links\n"
                  "QXlanguage=de pics\\de.inf\n"                      // 4
                  "QXif=exists:pics\\x\n"                             // 5
                  "QXpicture=pics\\a.ico\n"                           // 6
                  "shell\\a=A\nshell\\a\\command=[pics\\page.inf]\n"  // 7, 8
                  "QXcopy=pics\\a.txt|C:\\Temp\n"                     // 9
                  "QXcopy=\\??\\UNC\\host\\share\\a.txt|C:\\Temp\n"   // 10
                  "QXcopy=a.txt|\\??\\UNC\\host\\share\n"             // 11
                  "QXcopy=a.txt|C:\\x\\LPT1\n"                        // 12
                  "QXpicture=COM\xB9.ico\n"                           // 13
                  "QXif=registry:HKU\\S-1-5-18\n"                     // 14
                  "shell\\b=B\nshell\\b\\command=readme.txt\n"},      // 15, 16
                 {"a.txt", "x"},
                 {"readme.txt", "x"}});
  // "pics" leads back to the disc's own root: what matters is that it is a link.
  std::string pics = disc.root() + "/pics";
  ASSERT_EQ(symlink(disc.root().c_str(), pics.c_str()), 0);
  check::DiscReport report = check::CheckPath(disc.root());
  unlink(pics.c_str());
  ASSERT_EQ(report.unreadable, "");
  const std::string link = "runs through the symbolic link 'pics'";
  EXPECT_TRUE(WarnedAt(report, 4, "the language file 'pics\\de.inf' " + link));
  EXPECT_TRUE(WarnedAt(report, 6, "the picture 'pics\\a.ico' " + link));
  EXPECT_TRUE(WarnedAt(report, 8, "the menu file 'pics\\page.inf' " + link));
  EXPECT_TRUE(WarnedAt(report, 8, "the condition's path 'pics\\x' " + link));
  EXPECT_TRUE(WarnedAt(report, 9, "the copy source 'pics\\a.txt' " + link));
  EXPECT_TRUE(WarnedAt(report, 10, "takes its source from off the disc"));
  EXPECT_TRUE(WarnedAt(report, 11, "copies to a network or NT path"));
  EXPECT_TRUE(WarnedAt(report, 12, "copies to a network or NT path, a device"));
  EXPECT_TRUE(WarnedAt(report, 13, "names a device"));
  EXPECT_TRUE(WarnedAt(report, 14, "names a registry root that is not known (HKLM, HKCU or HKCR)"));

  // autorun.inf itself a link: nothing is read through it.
  TempDisc linked({{"menu.inf", "[autorun]\nshell\\a=A\nshell\\a\\command=a.exe\n"}, {"a.exe", ""}});
  std::string start = linked.root() + "/autorun.inf";
  ASSERT_EQ(symlink("menu.inf", start.c_str()), 0);
  check::DiscReport refused = check::CheckPath(linked.root());
  unlink(start.c_str());
  EXPECT_EQ(check::ExitStatus(refused), 2);
  EXPECT_NE(refused.unreadable.find("symbolic link"), std::string::npos) << refused.unreadable;
}

// A blank before any key of the table hides the key from the launcher; the warning says
// so, and past the thirtieth entry the line counts among the launcher lines ignored.
TEST(AutorunCheck, WarnsOfEveryKeyBehindABlank) {
  std::string thirty;
  for (int i = 0; i < 30; i++) thirty += "shell\\a=a\nshell\\a\\command=readme.txt\n";
  for (int i = 0; i < menu::kMenuKeyCount; i++) {
    const std::string name = menu::kMenuKeys[i].name;
    TempDisc disc({{"autorun.inf", "[autorun]\nopen=autorun.exe\nQXName=x\n " + name + "=1\n"},
                   {"limit.inf", thirty + name + "=1\n"},
                   {"readme.txt", ""}});
    check::DiscReport report = check::CheckPath(disc.root());
    std::string printed = Printed(report, check::Format::kPlain);
    EXPECT_NE(printed.find("does not see its key '" + name + "'"), std::string::npos) << name << printed;
    check::DiscReport limit = check::CheckPath(disc.root() + "/limit.inf");
    bool counted = false;
    for (const check::Warning& w : limit.warnings)
      counted |= w.file == "limit.inf" && w.line == 61 && w.text.find("from here on are ignored") != std::string::npos;
    EXPECT_TRUE(counted) << name << " past the thirtieth entry";
  }
}

TEST(AutorunCheck, PrintsTheMenusTextsInUtf8) {
  struct {
    const char* what;
    unsigned codePage;
    std::string menu;
    const char* printed;                     // every text, in UTF-8
    const char* absent = "not on the disc";  // nowhere in the report
    const char* readable = "";               // a line of the aligned listing, its columns counted on screen
  } rows[] = {
      {"Windows-1252", 1252, "title=D\xE9mo\nshell\\a=&Caf\xE9\nshell\\a\\command=readme.txt\n",
       "title\tautorun.inf\t1\tDémo\n"
       "window\tautorun.inf\t327\t92\t1\n"
       "entry\tautorun.inf\t3\t1\t&Café\t0\t\tdocument\treadme.txt\t"
       "rundll32.exe url.dll,FileProtocolHandler readme.txt\n",
       "not on the disc", "   1  &Café                          icon 0: names no icon\n"},
      {"Windows-1251", 1251, "title=\xCF\xF0\xE8\xE2\xE5\xF2\n", "title\tautorun.inf\t1\tПривет\n"},
      // Unicode files keep every character, whatever the disc's code page.
      {"UTF-8", 1252, "title=Démo ☃\n", "title\tautorun.inf\t1\tDémo ☃\n"},
      {"UTF-8 under Shift-JIS", 932, "title=表示 ☃\n", "title\tautorun.inf\t1\t表示 ☃\n"},
      // Underlined letters compare as letters, a capital and its small letter as one.
      {"UTF-8 Cyrillic letters", 1252,
       "shell\\a=&Да\nshell\\a\\command=readme.txt\nshell\\b=&Нет\nshell\\b\\command=readme.txt\n",
       "entry\tautorun.inf\t2\t1\t&Да\t0\t\tdocument\treadme.txt\trundll32.exe url.dll,FileProtocolHandler "
       "readme.txt\n",
       "underlines"},
      {"UTF-8 Cyrillic capital and small", 1252,
       "shell\\a=&Файл\nshell\\a\\command=readme.txt\nshell\\b=&файлы\nshell\\b\\command=readme.txt\n",
       "autorun.inf:3: warning: entry 2 '&файлы' underlines 'ф' like entry 1 before it: typing the letter "
       "never reaches this button\n"},
      {"Windows-1253 Greek", 1253,
       "shell\\a=&\xC1\xF1\xF7\xDE\nshell\\a\\command=readme.txt\nshell\\b=&"
       "\xE1\xF1\xF7\xE5\xDF\xEF\nshell\\b\\command=readme.txt\n",
       "autorun.inf:3: warning: entry 2 '&αρχείο' underlines 'α' like entry 1 before it: typing the letter "
       "never reaches this button\n"},
      {"Windows-1252 accented", 1252,
       "shell\\a=&\xC9"
       "cole\nshell\\a\\command=readme.txt\nshell\\b=&\xE9"
       "cran\nshell\\b\\command=readme.txt\n",
       "autorun.inf:3: warning: entry 2 '&écran' underlines 'é' like entry 1 before it: typing the letter "
       "never reaches this button\n"},
      {"UTF-16 into Windows-1251", 1251, std::string("\xFF\xFEt\0i\0t\0l\0e\0=\0\x1F\x04\x40\x04", 18),
       "title\tautorun.inf\t1\tПр\n"},
      // Shift-JIS: "表" (95 5C) ends in "\", the name of a page whose file is "表.inf" on Linux.
      // A copy to a folder that ends in "表" goes into that folder.
      {"Shift-JIS", 932,
       "title=\x95\x5C\x8E\xA6\nQXicon=1\nshell\\a=\x95\x5C\nshell\\a\\command=[\x95\x5C.INF]\n"
       "QXcopy=readme.txt|C:\\\x95\x5C\n",
       "title\tautorun.inf\t1\t表示\n"
       "window\tautorun.inf\t327\t92\t1\n"
       "entry\tautorun.inf\t4\t1\t表\t1\ta compact disc\tpage\t[表.INF]\t\n"
       "copy\tautorun.inf\t5\treadme.txt\tC:\\表\\readme.txt\n"
       "menu\t表.INF\tpage\tautorun.inf:4\n",
       "not on the disc", "   1  表                             icon 1: a compact disc\n"},
  };
  for (const auto& row : rows) {
    TempDisc disc({{"autorun.inf", row.menu}, {"readme.txt", ""}, {"表.inf", "QXName=x\n"}});
    std::unique_ptr<check::DiscCodePage> page = check::OpenCodePage(row.codePage);
    ASSERT_TRUE(page) << row.what;
    check::DiscReport report = check::CheckPath(disc.root(), *page);
    char* text = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&text, &size);
    page->Write(out, check::FormatReport(report, check::Format::kPlain));
    fclose(out);
    std::string printed(text, size);
    free(text);
    // The records of the row, in order, with other records between them.
    size_t at = 0;
    for (const char* want = row.printed; *want;) {
      const char* end = strchr(want, '\n') + 1;
      at = printed.find(std::string(want, end), at);
      ASSERT_NE(at, std::string::npos) << row.what << " lacks " << std::string(want, end) << printed;
      want = end;
    }
    EXPECT_EQ(printed.find(row.absent), std::string::npos) << row.what << printed;
    std::string readable = check::FormatReport(report, check::Format::kReadable);
    EXPECT_NE(readable.find(row.readable), std::string::npos) << row.what << readable;
  }
}

TEST(AutorunCheck, JudgesActionAsWindowsShowsIt) {
  // Windows shows action= only on removable and fixed drives: a note when there is one,
  // a warning when it copies Windows' own words or names nothing; none when it is left out.
  const struct {
    const char* action;   // the line after open=autorun.exe ("" for none)
    const char* warning;  // a piece of the warning ("" for none)
  } rows[] = {
      {"", ""},
      {"action=Start the My product menu (Example Ltd)", ""},
      {"action=Open the ACME installer", ""},
      {"action=@autorun.exe,-101", ""},  // a text from the program's resources
      {"action=Open folder to view files", "copies one of Windows' own AutoPlay choices"},
      {"action=open  folder to view files using Windows Explorer", "copies one of Windows' own"},
      {"action=Install or run program from your media", "copies one of Windows' own"},
      {"action=Open the demo menu", "names no program and no maker"},
      {"action=", "names no program and no maker"},
      {"action=Run autorun.exe", "names no program and no maker"},
  };
  for (const auto& row : rows) {
    TempDisc disc({{"autorun.inf", std::string("[autorun]\nopen=autorun.exe\n") + row.action +
                                       "\nQXName=Action\n[other]\naction=Not read here\n"}});
    check::DiscReport report = check::CheckPath(disc.root());
    std::string printed = Printed(report, check::Format::kPlain);
    EXPECT_EQ(check::ExitStatus(report), *row.warning ? 1 : 0) << row.action << "\n" << printed;
    EXPECT_EQ(report.notes.size(), *row.action ? 1u : 0u) << row.action << "\n" << printed;
    if (*row.action) {
      EXPECT_NE(printed.find("autorun.inf:3: note: Windows reads action= only on removable and fixed drives"),
                std::string::npos)
          << printed;
    }
    if (*row.warning) {
      ASSERT_EQ(Places(report), std::vector<std::string>{"autorun.inf:3"}) << row.action;
      EXPECT_NE(report.warnings[0].text.find(row.warning), std::string::npos) << report.warnings[0].text;
    }
  }
  // Scripts without capitals name their product in their own characters.
  EXPECT_TRUE(check::NamesSomething("\x83\x81\x83\x6A\x83\x85\x81\x5B", LeadByteTestFor(932)));
  EXPECT_FALSE(check::NamesSomething("Ouvrir le menu de d\xE9monstration", nullptr));
  EXPECT_TRUE(check::NamesSomething("Installer la version 2", nullptr));
}

TEST(AutorunCheck, UnreadableStartsGiveExitStatusTwo) {
  EXPECT_EQ(check::ExitStatus(check::CheckPath(Disc("no-such-disc"))), 2);
  // A folder without autorun.inf: the disc checker's own test folder.
  check::DiscReport report = check::CheckPath(DISCS_DIR);
  EXPECT_EQ(check::ExitStatus(report), 2);
  EXPECT_NE(report.unreadable.find("has no autorun.inf"), std::string::npos);
}

TEST(AutorunCheck, MenuFileGivenAloneIsReadAsTheStartPage) {
  // Its Messages section is not the disc's: the launcher reads that only from autorun.inf.
  check::DiscReport report = check::CheckPath(Disc("broken-messages") + "/more.inf");
  ASSERT_EQ(report.unreadable, "");
  ASSERT_FALSE(report.menus.empty());
  EXPECT_EQ(report.menus[0].file, "more.inf");
  EXPECT_EQ(report.menus[1].file, "autorun.inf");
  bool toldIgnored = false;
  for (const check::Warning& w : report.warnings)
    toldIgnored |= w.file == "more.inf" && w.text.find("Messages only from") != std::string::npos;
  EXPECT_TRUE(toldIgnored);
}

TEST(AutorunCheck, LanguageFilesAreStartMenusAndOneLanguageReadsItsOwn) {
  // Without a language the German file is read as a start menu (its Messages count),
  // not as the page that an entry also makes of it.
  check::DiscReport all = check::CheckPath(Disc("broken-languages"));
  ASSERT_EQ(all.menus.size(), 2u);
  EXPECT_EQ(all.menus[0].languages.size(), 2u);
  EXPECT_EQ(all.menus[1].openedFrom, "autorun.inf:5 (de,de-AT)");
  EXPECT_EQ(all.menus[0].items[0].condition, "64-bit windows>=12");
  EXPECT_EQ(all.menus[0].items[2].tip, "Runs it");
  // A user of de-AT reads the German file alone; a user of Italian (whose line comes too
  // late) and of French (whose file is missing) read autorun.inf.
  std::unique_ptr<check::DiscCodePage> page = check::OpenCodePage(check::kDefaultCodePage);
  struct Row {
    const char* language;
    const char* first;
    size_t menus;
  } rows[] = {{"de-AT", "deutsch.inf", 1}, {"it", "autorun.inf", 2}, {"fr-FR", "autorun.inf", 2}};
  for (const Row& row : rows) {
    check::DiscReport one = check::CheckPath(Disc("broken-languages"), *page, Reading(row.language));
    ASSERT_FALSE(one.menus.empty()) << row.language;
    EXPECT_EQ(one.menus[0].file, row.first) << row.language;
    EXPECT_EQ(one.menus.size(), row.menus) << row.language;
  }

  // Tags no Windows user has; a language file saved as ANSI text, whose letters show right
  // only under its language's code page (one in ASCII alone, or in UTF-8, is never wrong);
  // and a note while no line names the start file's own language.
  for (const char* own : {"", "QXlanguage=en autorun.inf\n"}) {
    TempDisc disc({{"autorun.inf", std::string("[autorun]\nopen=autorun.exe\nQXName=x\n") + own +
                                       "QXlanguage=de_DE,zh-Hant-TW,iw de.inf\nQXlanguage=ru,uk ru.inf\n"
                                       "QXlanguage=el el.inf\n"},
                   {"de.inf", "QXName=de\ntitle=Grüße\n"},
                   {"ru.inf", "QXName=ru\ntitle=\xCF\xF0\xE8\xE2\xE5\xF2\n"},
                   {"el.inf", "QXName=el\n"}});
    int line = *own ? 5 : 4;
    for (unsigned codePage : {1252u, 65001u}) {
      check::DiscReport report = check::CheckPath(disc.root(), *check::OpenCodePage(codePage));
      std::string at = "autorun.inf:" + std::to_string(line);
      ASSERT_EQ(Places(report), (std::vector<std::string>{at, at, "ru.inf:0"}))
          << Printed(report, check::Format::kPlain);
      EXPECT_NE(report.warnings[0].text.find("tag 'zh-Hant-TW'"), std::string::npos);
      EXPECT_NE(report.warnings[1].text.find("tag 'iw'"), std::string::npos);
      EXPECT_NE(report.warnings[2].text.find("(1251 for ru)"), std::string::npos) << report.warnings[2].text;
      EXPECT_NE(report.warnings[2].text.find("read here as code page 1252"), std::string::npos);
      EXPECT_EQ(report.notes.size(), *own ? 0u : 1u) << codePage;
      if (!*own) {
        EXPECT_NE(report.notes[0].text.find("no language line names autorun.inf itself"), std::string::npos);
      }
    }
  }
  const struct {
    const char* tag;
    int codePage;
  } pages[] = {{"zh-TW", 950},
               {"zh_Hans", 936},
               {"sr-Cyrl-RS", 1251},
               {"sr-Latn", 1250},
               {"hi", check::kNoAnsiCodePage},
               {"tlh", check::kUnknownCodePage}};
  for (const auto& page : pages) EXPECT_EQ(check::AnsiCodePageOf(page.tag), page.codePage) << page.tag;
}

TEST(LetterCase, SmallLettersOfEveryCasedScriptHaveTheirCapitals) {
  // q, Q, é, the sign ÷, ÿ, ĺ, ā, ς, ή, ω, ф, ё, ӑ, ա; א and 一 have no case.
  const unsigned pairs[][2] = {{'q', 'Q'},     {'Q', 'Q'},     {0xE9, 0xC9},   {0xF7, 0xF7},
                               {0xFF, 0x178},  {0x13A, 0x139}, {0x101, 0x100}, {0x3C2, 0x3A3},
                               {0x3AE, 0x389}, {0x3C9, 0x3A9}, {0x444, 0x424}, {0x451, 0x401},
                               {0x4D1, 0x4D0}, {0x561, 0x531}, {0x5D0, 0x5D0}, {0x4E00, 0x4E00}};
  for (const auto& pair : pairs) EXPECT_EQ(check::CapitalLetter(pair[0]), pair[1]) << std::hex << pair[0];
}

TEST(AutorunCheck, FindsFilesWhateverTheirCaseOnTheDisc) {
  // broken-circle's autorun.inf reloads "[AUTORUN.INF]": found, and known to be itself.
  check::DiscReport report = check::CheckPath(Disc("broken-circle"));
  for (const check::Warning& w : report.warnings)
    EXPECT_EQ(w.text.find("not on the disc"), std::string::npos) << w.text;
}

TEST(MessageKeys, SuggestTheNearestKnownKey) {
  ASSERT_NE(check::FindMessageKey("quitbutton"), nullptr);
  EXPECT_EQ(check::FindMessageKey("quitbutton")->number, 115);
  EXPECT_EQ(check::FindMessageKey("Quit"), nullptr);
  struct {
    const char* typed;
    const char* meant;
  } slips[] = {
      {"QuitButon", "QuitButton"}, {"AboutBoxTitel", "AboutBoxTitle"}, {"ErrorStrtMsg", "ErrorStartMsg"},
      {"errormsgs", "ErrorMsg"},   {"SelectItems", "SelectItem"},      {"NonText", "NoneText"},
      {"AutoStrat", "AutoStart"},  {"AboutBoxMenue", "AboutBoxMenu"},  {"ErrorOpenMessage", "ErrorOpenMsg"},
      {"Colour", nullptr},
  };
  for (const auto& slip : slips) {
    const check::MessageKey* nearest = check::NearestMessageKey(slip.typed);
    if (slip.meant) {
      ASSERT_NE(nearest, nullptr) << slip.typed;
      EXPECT_STREQ(nearest->name, slip.meant) << slip.typed;
    } else {
      EXPECT_EQ(nearest, nullptr) << slip.typed << " -> " << nearest->name;
    }
  }
}

TEST(CommandView, SortsCommandsAsTheLauncherCarriesThemOut) {
  struct {
    const char* command;
    check::CommandKind kind;
    const char* target;
    bool onDisc;
    bool note;
  } rows[] = {
      {"setup\\setup.exe /q", check::CommandKind::kProgram, "setup\\setup.exe", true, false},
      {"tools\\check", check::CommandKind::kProgram, "tools\\check", true, false},
      {"notepad.exe", check::CommandKind::kSystemProgram, "notepad.exe", false, false},
      {"rundll32.exe shell32.dll,Control_RunDLL", check::CommandKind::kSystemProgram, "rundll32.exe", false,
       false},
      {"readme.txt", check::CommandKind::kDocument, "readme.txt", true, false},
      {"SETUP.EXE", check::CommandKind::kProgram, "SETUP.EXE", true, false},
      {"rundll32.exe url.dll,FileProtocolHandler docs\\index.htm", check::CommandKind::kDocument,
       "docs\\index.htm", true, false},
      {"rundll32.exe url.dll,FileProtocolHandler https://example.org/", check::CommandKind::kWebLink,
       "https://example.org/", false, false},
      {"https://example.org/index.html", check::CommandKind::kWebLink, "https://example.org/index.html",
       false, false},
      {"%open docs\\guide.txt", check::CommandKind::kPercentDocument, "docs\\guide.txt", true, false},
      {"%guide.txt", check::CommandKind::kPercentDocument, "%guide.txt", false, true},
      {"[more.inf] trailing", check::CommandKind::kPage, "more.inf", true, false},
      {"<tools.inf", check::CommandKind::kPopup, "tools.inf", true, false},
      {"\"setup files\\setup.exe\" /q", check::CommandKind::kProgram, "setup files\\setup.exe", true, false},
      {"C:\\Windows\\notepad.exe", check::CommandKind::kProgram, "C:\\Windows\\notepad.exe", false, false},
      {"viewer.exe manual.pdf /p", check::CommandKind::kDocument, "manual.pdf", true, true},
      {"manual.pdf /p", check::CommandKind::kDocument, "/p", false, true},
      // Kinds from the command line composed: the program part dropped, a bare rundll32.
      {"\"setup.exe\" manual.htm", check::CommandKind::kDocument, "manual.htm", true, true},
      {"rundll32 url.dll,FileProtocolHandler a.htm", check::CommandKind::kDocument,
       "url.dll,FileProtocolHandler a.htm", true, true},
      {"notes.xyz", check::CommandKind::kProgram, "notes.xyz", true, true},
      {"www.example.com", check::CommandKind::kWebLink, "www.example.com", false, false},
      {"", check::CommandKind::kNothing, "", false, false},
  };
  for (const auto& row : rows) {
    check::CommandView view = check::ViewCommand(row.command);
    EXPECT_EQ(view.kind, row.kind) << row.command;
    EXPECT_EQ(view.target, row.target) << row.command;
    EXPECT_EQ(view.onDisc, row.onDisc) << row.command;
    EXPECT_EQ(!view.notes.empty(), row.note) << row.command;
  }
  EXPECT_TRUE(check::IsSystemProgram("RunDll32.exe"));
  EXPECT_TRUE(check::IsSystemProgram("notepad.exe"));
  EXPECT_FALSE(check::IsSystemProgram("tools\\notepad.exe"));  // a copy on the disc is the disc's
  EXPECT_FALSE(check::IsSystemProgram("setup.exe"));
}

TEST(CommandView, CarriesTheCommandLineTheLauncherStarts) {
  // Composed by the launcher's own rules with a fresh Windows 10's associations.
  const struct {
    const char* command;
    const char* started;
  } rows[] = {
      {"setup.exe /q", "setup.exe /q"},
      {"SETUP.EXE", "rundll32.exe url.dll,FileProtocolHandler SETUP.EXE"},
      {"viewer.exe Manual.HTM", "rundll32.exe url.dll,FileProtocolHandler Manual.HTM"},
      {"viewer.exe notes.txt /p", "C:\\Windows\\system32\\NOTEPAD.EXE %1 notes.txt  /p"},
      {"viewer.exe manual.pdf /p", "manual.pdf /p"},  // the app's class keeps no command
      {"%open docs\\guide.txt", "rundll32.exe url.dll,FileProtocolHandler docs\\guide.txt"},
      {"%open manual.pdf", ""},
      {"[more.inf]", ""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(check::ViewCommand(row.command).commandLine, row.started) << row.command;
  // With another registry, its associations: nothing associated, nothing recomposed.
  const check::Association none[] = {{nullptr, nullptr, nullptr}};
  check::TableRegistryView empty(none);
  EXPECT_EQ(check::ViewCommand("viewer.exe notes.txt", nullptr, {empty, "no Windows"}).commandLine, "viewer.exe notes.txt");
}

TEST(AutorunCheck, EveryCorpusFileGivesASensibleReport) {
  SKIP_WITHOUT_CORPUS();
  DIR* dir = opendir(CorpusDir().c_str());
  ASSERT_NE(dir, nullptr) << CorpusDir();
  int files = 0, withEntries = 0;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name.size() < 5 || name.substr(name.size() - 4) != ".inf") continue;
    ++files;
    check::DiscReport report = check::CheckPath(CorpusDir() + "/" + name);
    int status = check::ExitStatus(report);
    EXPECT_TRUE(status == 0 || status == 1) << name << ": " << report.unreadable;
    ASSERT_FALSE(report.menus.empty()) << name;
    const check::MenuView& start = report.menus[0];
    EXPECT_EQ(start.file, name);
    // Read as the launcher reads it: the UTF-16 file converted, without a warning.
    bool utf16 = name.compare(0, 3, "08-") == 0;
    EXPECT_EQ(start.encoding, utf16 ? "utf-16le" : "ansi") << name;
    if (utf16) {
      EXPECT_NE(Printed(report, check::Format::kTerminal).find("encoding   UTF-16 LE\n"), std::string::npos);
    }
    int last = 0;
    for (const check::MenuItem& item : start.items) {
      EXPECT_GT(item.line, last) << name;  // items in file order
      last = item.line;
      if (item.type != check::MenuItem::kEntry) continue;
      EXPECT_LT(item.captionLine, item.line) << name;
      EXPECT_LT(item.index, 30) << name;
    }
    for (const check::Warning& w : report.warnings) {
      EXPECT_FALSE(w.text.empty()) << name;
      EXPECT_GE(w.line, 0) << name;
      EXPECT_EQ(w.text.find("UTF-16"), std::string::npos) << name << ": " << w.text;
    }
    withEntries += !start.items.empty();
    EXPECT_FALSE(Printed(report, check::Format::kTerminal).empty());
    EXPECT_FALSE(Printed(report, check::Format::kPlain).empty());
  }
  closedir(dir);
  EXPECT_GT(files, 50);
  EXPECT_GE(withEntries, 5);  // the files with shell verbs, which the launcher turns into entries
}

TEST(DiscFiles, FindsNamesAsWindowsDoes) {
  check::DiscFiles files(Disc("clean"));
  struct {
    const char* name;
    const char* spelled;
  } rows[] = {
      {"setup\\setup.exe", "setup\\setup.exe"},
      {"SETUP\\SETUP.EXE", "setup\\setup.exe"},  // any case
      {"setup/setup.exe", "setup\\setup.exe"},   // either separator
      {".\\docs\\.\\index.htm", "docs\\index.htm"},
      {"docs", ""},  // a folder is no file
      {"setup\\missing.exe", ""},
      {"..\\clean\\readme.txt", ""},  // leaves the disc
      {"C:\\readme.txt", ""},
      {"\\readme.txt", ""},
      {"", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(files.DiscSpelling(row.name), row.spelled) << row.name;
    EXPECT_EQ(files.FindFile(row.name).empty(), *row.spelled == 0) << row.name;
  }
  // Names are UTF-8 inside the checker: "ア" of a Shift-JIS menu (83 41, its second byte
  // "A") is not "ヂ" (83 61) there.
  TempDisc japanese({{"ア.inf", ""}, {"readme.txt", ""}});
  check::DiscFiles kana(japanese.root());
  EXPECT_EQ(kana.DiscSpelling("ア.INF"), "ア.inf");
  EXPECT_EQ(kana.DiscSpelling("ヂ.inf"), "");

  EXPECT_TRUE(check::IsOutsideDisc("%windir%\\notepad.exe"));
  EXPECT_TRUE(check::IsOutsideDisc("\\\\server\\share\\a.exe"));
  EXPECT_FALSE(check::IsOutsideDisc("a..b.txt"));
}

TEST(ProfileLines, SplitAsTheSystemsProfileReaderDoes) {
  std::string name, key, value;
  EXPECT_TRUE(check::SectionOf("  [ Messages ]  ", &name));
  EXPECT_EQ(name, "Messages");
  EXPECT_TRUE(check::SectionOf("[autorun", &name));  // no closing bracket: the rest is the name
  EXPECT_EQ(name, "autorun");
  EXPECT_FALSE(check::SectionOf("key=[x]", &name));
  struct {
    const char* line;
    bool isKey;
    const char* key;
    const char* value;
  } rows[] = {
      {"QuitButton=&Fermer", true, "QuitButton", "&Fermer"},
      {"  ErrorMsg  =  \"Erreur !\"  ", true, "ErrorMsg", "Erreur !"},
      {"NoneText='<aucun>'", true, "NoneText", "<aucun>"},
      {"NoneText=\"<aucun>'", true, "NoneText", "\"<aucun>'"},  // quotes must pair
      {"SelectItem=a=b", true, "SelectItem", "a=b"},
      {"AutoStart=", true, "AutoStart", ""},
      {"; QuitButton=x", false, "", ""},
      {"no equals here", false, "", ""},
  };
  for (const auto& row : rows) {
    key.clear(), value.clear();
    EXPECT_EQ(check::KeyValueOf(row.line, &key, &value), row.isKey) << row.line;
    if (!row.isKey) continue;
    EXPECT_EQ(key, row.key) << row.line;
    EXPECT_EQ(value, row.value) << row.line;
  }
}

}  // namespace

// The QXcopy directive: strtok-like fields, "%windir%", the added "\", the file
// name after the last "\", and the limits that make it copy nothing. QXpicture values.
#include <gtest/gtest.h>

#include <string>

#include "menu/copy_directive.h"
#include "menu/disc_walk.h"
#include "menu/entry_picture.h"

namespace {

const char kWindows[] = "C:\\WINDOWS";

// "source -> destination", or why nothing is copied.
bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::string Parse(const std::string& value, const char* windowsDir = kWindows, LeadByteTest lead = nullptr) {
  Text source("stale"), destination("stale");
  menu::CopyOutcome outcome =
      menu::ParseCopyDirective(value.c_str(), windowsDir, &source, &destination, lead);
  if (outcome != menu::CopyOutcome::kCopy) {
    EXPECT_TRUE(source.empty() && destination.empty()) << value;
    return outcome == menu::CopyOutcome::kNoFolder             ? "no folder"
           : outcome == menu::CopyOutcome::kValueTooLong       ? "value too long"
           : outcome == menu::CopyOutcome::kDestinationTooLong ? "destination too long"
                                                               : "out of memory";
  }
  return std::string(source.c_str()) + " -> " + destination.c_str();
}

TEST(CopyDirective, Examples) {
  EXPECT_EQ(Parse("setup\\tool.dll|%windir%"), "setup\\tool.dll -> C:\\WINDOWS\\tool.dll");
  EXPECT_EQ(Parse("a.txt|%WINDIR%"), "a.txt -> %WINDIR%\\a.txt");  // not the Windows directory
  EXPECT_EQ(Parse("a.txt"), "no folder");
  EXPECT_EQ(Parse("a.txt| %windir%"), "a.txt ->  %windir%\\a.txt");  // blanks stay in the field
  EXPECT_EQ(Parse("a.txt|%windir%x"), "a.txt -> %windir%x\\a.txt");
  EXPECT_EQ(Parse("x.dll|%windir%", "C:\\"), "x.dll -> C:\\x.dll");  // a root keeps its one "\"
}

TEST(CopyDirective, FieldsSplitLikeStrtok) {
  EXPECT_EQ(Parse("a.txt||dest"), "a.txt -> dest\\a.txt");
  EXPECT_EQ(Parse("|a.txt|dest"), "a.txt -> dest\\a.txt");
  EXPECT_EQ(Parse("|||a.txt|||dest|||"), "a.txt -> dest\\a.txt");
  EXPECT_EQ(Parse("a.txt|dest|ignored|more"), "a.txt -> dest\\a.txt");
  EXPECT_EQ(Parse("a.txt|dest\\"), "a.txt -> dest\\a.txt");  // no second "\"
  EXPECT_EQ(Parse("||"), "no folder");
  EXPECT_EQ(Parse("a.txt|"), "no folder");
  EXPECT_EQ(Parse("|a.txt"), "no folder");
  EXPECT_EQ(Parse(""), "no folder");
}

TEST(CopyDirective, FileNameFollowsTheLastBackslash) {
  EXPECT_EQ(Parse("d\\e\\f.txt|t"), "d\\e\\f.txt -> t\\f.txt");
  EXPECT_EQ(Parse("d/e/f.txt|t"), "d/e/f.txt -> t\\d/e/f.txt");  // "/" separates nothing
  EXPECT_EQ(Parse("d\\|t"), "d\\ -> t\\");
  // A Shift-JIS name whose trail byte is "\" (0x5C) is cut there in a single-byte code
  // page; in code page 932 "表" (0x95 0x5C) and "ポ" (0x83 0x7C) stay whole.
  EXPECT_EQ(Parse("\x95\x5c.txt|t"), "\x95\x5c.txt -> t\\.txt");
  EXPECT_EQ(Parse("d\\\x95\x5c.txt|t", kWindows, ShiftJisLead), "d\\\x95\x5c.txt -> t\\\x95\x5c.txt");
  EXPECT_EQ(Parse("\x83\x7c.txt|\x83\x7c", kWindows, ShiftJisLead), "\x83\x7c.txt -> \x83\x7c\\\x83\x7c.txt");
  // A folder that ends in "表" gets its "\": the 0x5C there is no separator.
  EXPECT_EQ(Parse("a.txt|C:\\\x95\x5c", kWindows, ShiftJisLead), "a.txt -> C:\\\x95\x5c\\a.txt");
  EXPECT_EQ(Parse("a.txt|C:\\\x83\x5c\\", kWindows, ShiftJisLead), "a.txt -> C:\\\x83\x5c\\a.txt");
}

TEST(CopyDirective, SourceFromTheDiscAndNoNetworkNtPathOrDeviceForTheFolder) {
  struct Row {
    const char* source;
    const char* destination;
    const char* expected;  // the source's disc path, or the refusal
  } rows[] = {
      {"fonts\\demo.ttf", "C:\\WINDOWS\\demo.ttf", "fonts\\demo.ttf"},
      {"\\readme.txt", "%WINDIR%\\readme.txt", "readme.txt"},  // a relative folder is the author's
      {"\\??\\UNC\\host\\share\\a.txt", "C:\\Temp\\a.txt", "source"},
      {"\\\\host\\share\\a.txt", "C:\\Temp\\a.txt", "source"},
      {"C:\\secret.txt", "C:\\Temp\\secret.txt", "source"},
      {"..\\a.txt", "C:\\Temp\\a.txt", "source"},
      {"a.txt", "\\\\host\\share\\a.txt", "destination"},
      {"a.txt", "\\??\\UNC\\host\\a.txt", "destination"},
      {"a.txt", "\\\\.\\COM1\\a.txt", "destination"},
      {"a.txt", "C:\\LPT1\\a.txt", "destination"},
  };
  for (const Row& row : rows) {
    Text discSource;
    menu::CopyRefusal refusal = menu::CheckCopyPaths(row.source, row.destination, &discSource);
    std::string got = refusal == menu::CopyRefusal::kNone            ? discSource.c_str()
                      : refusal == menu::CopyRefusal::kSourceOffDisc ? "source"
                                                                     : "destination";
    EXPECT_EQ(got, row.expected) << row.source << " | " << row.destination;
  }
}

TEST(CopyDirective, LimitsCopyNothing) {
  std::string folder(240, 'f');
  std::string name(14, 'n');  // folder + "\" + name = 255
  EXPECT_EQ(Parse(name + "|" + folder), name + " -> " + folder + "\\" + name);
  // One more is a value of 256: only "%windir%" makes a destination longer than its value.
  EXPECT_EQ(Parse(name + "x|" + folder), "value too long");
  // The Windows directory counts toward the destination too.
  std::string longWindows(250, 'w');
  EXPECT_EQ(Parse("abcd|%windir%", longWindows.c_str()), "abcd -> " + longWindows + "\\abcd");
  EXPECT_EQ(Parse("abcde|%windir%", longWindows.c_str()), "destination too long");
  // The value itself: 255 characters are taken, 256 are not.
  std::string value = std::string(250, 's') + "|dest";  // 255
  EXPECT_EQ(Parse("\\" + value.substr(1)).substr(0, 10), "\\sssssssss");
  EXPECT_EQ(Parse(value + "x"), "value too long");
}

}  // namespace

// Paths a menu names, read as the disc's files: the path from the disc's root, or why not.
std::string OnDisc(const char* name, const char* folder = "", LeadByteTest lead = nullptr) {
  Text path;
  switch (menu::ResolveDiscPath(name, folder, &path, lead)) {
    case menu::DiscPathProblem::kNone:
      return path.c_str();
    case menu::DiscPathProblem::kEmpty:
      return "empty";
    case menu::DiscPathProblem::kNetwork:
      return "network";
    case menu::DiscPathProblem::kDrive:
      return "drive";
    case menu::DiscPathProblem::kEnvironment:
      return "variable";
    case menu::DiscPathProblem::kAboveRoot:
      return "above root";
    case menu::DiscPathProblem::kDevice:
      return "device";
    case menu::DiscPathProblem::kWildcard:
      return "wildcard";
  }
  return "?";
}

TEST(DiscPath, TheDiscsOwnFilesAndNothingElse) {
  const struct {
    const char* name;
    const char* folder;
    const char* expected;
  } rows[] = {
      {"pic.ico", "", "pic.ico"},
      {"pic.ico", "sub", "sub\\pic.ico"},
      {"a/./b\\\\c.ico", "sub", "sub\\a\\b\\c.ico"},
      {"..\\pic.ico", "sub\\inner", "sub\\pic.ico"},
      {"\\pic.ico", "sub", "pic.ico"},  // one leading separator: the disc's root
      {"/art/pic.ico", "sub", "art\\pic.ico"},
      // Refused: every form that could leave the disc, reach a host or a device.
      {"\\\\server\\share\\x.ico", "", "network"},
      {"//host/x.ico", "", "network"},
      {"\\/host/x.ico", "", "network"},
      {"\\\\?\\UNC\\host\\x.ico", "", "network"},
      {"\\\\.\\pipe\\x", "", "network"},
      {"C:\\icons\\x.ico", "", "drive"},
      {"c:x.ico", "", "drive"},
      {"pic.ico:hidden", "", "drive"},
      {"%SystemRoot%\\x.ico", "", "variable"},
      {"..\\x.ico", "", "above root"},
      {"sub\\..\\..\\x.ico", "", "above root"},
      {"..\\..\\x.ico", "sub", "above root"},
      {"nul.ico", "", "device"},
      {"sub\\COM1", "", "device"},
      {"CON .txt", "", "device"},
      {"...\\x.ico", "", "device"},
      {". .\\x.ico", "sub", "device"},
      {"", "", "empty"},
      {".\\", "", "empty"},
      {"console.ico", "", "console.ico"},  // only the device names themselves
      {"\\??\\UNC\\host\\x.ico", "", "network"},  // an NT path
      {"/?\?/C:/x.ico", "", "network"},
      {"COM\xB9", "", "device"},  // superscripts: Windows-1252 and UTF-8
      {"sub\\lpt\xB3.ico", "", "device"},
      {"COM\xC2\xB2 .txt", "", "device"},
      {"COM\xB9\xB9", "", "COM\xB9\xB9"},
      {"COM10", "", "COM10"},
      {"a*.ico", "", "wildcard"},
      {"sub\\<x", "", "wildcard"},
      {"a\"b", "", "wildcard"},
      {"a|b", "", "wildcard"},
  };
  for (const auto& row : rows) EXPECT_EQ(OnDisc(row.name, row.folder), row.expected) << row.name;
  // A part whose second byte is "\\" (表, 0x95 0x5C in code page 932) is one part.
  EXPECT_EQ(OnDisc("\x95\x5c\\..\\x.ico", "", ShiftJisLead), "x.ico");
  EXPECT_EQ(OnDisc("\x95\x5c..\\x.ico", "", ShiftJisLead), "\x95\x5c..\\x.ico");
  EXPECT_EQ(OnDisc("\x95|.ico", "", ShiftJisLead), "\x95|.ico");  // "|" as a second byte
  // Paths outside the disc that the system is still handed: their parts only.
  for (const char* allowed : {"C:\\Program Files\\x", "C:\\a\\..\\b", "%WINDIR%\\a.txt", "C:\\a.b\\c:stream"})
    EXPECT_EQ(menu::CheckSystemPath(allowed), menu::DiscPathProblem::kNone) << allowed;
  for (const char* refused : {"C:\\COM1", "C:\\x\\CONIN$", "C:\\x\\nul.txt\\y", "\\\\?\\C:\\x", "\\??\\C:\\x", "C:\\a\\...",
                              "C:\\*.exe"})
    EXPECT_NE(menu::CheckSystemPath(refused), menu::DiscPathProblem::kNone) << refused;
  EXPECT_EQ(std::string(menu::FullDiscPath("D:\\", "a\\b.ico").c_str()), "D:\\a\\b.ico");
  EXPECT_EQ(std::string(menu::FullDiscPath("C:\\media\\disc", "b.ico").c_str()), "C:\\media\\disc\\b.ico");
  EXPECT_EQ(std::string(menu::FullDiscPath("C:\\\x95\x5c", "b.ico", ShiftJisLead).c_str()),
            "C:\\\x95\x5c\\b.ico");
}

// A disc at D:\ whose "links" folder is a junction; the walk asks each part in turn.
class FakeDisc : public menu::PathAttributes {
 public:
  unsigned long Of(const char* fullPath) const override {
    asked += std::string(fullPath) + ";";
    std::string path = fullPath;
    if (path == "D:\\links") return 0x10 | menu::kReparsePoint;
    if (path == "D:\\pics" || path == "D:\\pics\\a.ico" || path.rfind("D:\\links\\", 0) == 0) return 0x20;
    return menu::kNoAttributes;
  }
  mutable std::string asked;
};

TEST(DiscWalk, StopsAtTheFirstLinkOrMissingPart) {
  const struct {
    const char* root;
    const char* path;
    menu::PathState state;
    const char* asked;
  } rows[] = {
      {"D:\\", "pics\\a.ico", menu::PathState::kExists, "D:\\pics;D:\\pics\\a.ico;"},
      {"D:\\", "links\\a.ico", menu::PathState::kUntouchable, "D:\\links;"},  // nothing behind it asked
      {"D:\\", "none\\a.ico", menu::PathState::kMissing, "D:\\none;"},
      {"D:", "pics\\b.ico", menu::PathState::kMissing, "D:\\pics;D:\\pics\\b.ico;"},
      {"", "pics\\a.ico", menu::PathState::kUntouchable, ""},  // no root: never taken from the current drive
  };
  for (const auto& row : rows) {
    FakeDisc disc;
    EXPECT_EQ(menu::WalkDiscPath(row.root, row.path, disc), row.state) << row.path;
    EXPECT_EQ(disc.asked, row.asked) << row.path;
  }
}

// QXpicture values read from a menu file on a disc at D:\: "path #index", or the problem.
std::string Picture(const char* value, const char* menuFile = "autorun.inf", LeadByteTest lead = nullptr) {
  menu::PictureSource source;
  switch (menu::ReadPictureValue(value, menuFile, "D:\\", &source, lead)) {
    case menu::PictureProblem::kNone: return std::string(source.path.c_str()) + " #" + std::to_string(source.index);
    case menu::PictureProblem::kNoFile: return "no file";
    case menu::PictureProblem::kBadIndex: return "bad index";
    case menu::PictureProblem::kOffDisc:
      return "off disc";
    case menu::PictureProblem::kLongPath: return "long path";
  }
  return "?";
}

TEST(PictureValue, FileIndexAndFolder) {
  const struct {
    const char* value;
    const char* menuFile;
    const char* expected;
  } rows[] = {
      {"setup\\setup.exe", "autorun.inf", "D:\\setup\\setup.exe #0"},
      {"setup\\setup.exe, 1 ", "autorun.inf", "D:\\setup\\setup.exe #1"},
      {"app.dll ,+2", "autorun.inf", "D:\\app.dll #2"},
      {"a,b.ico", "autorun.inf", "D:\\a,b.ico #0"},  // not a number: the comma is the name's
      {"a,b.ico,3", "autorun.inf", "D:\\a,b.ico #3"},
      {"icons.dll,99999999999", "autorun.inf", "D:\\icons.dll #2147483647"},
      // In the menu file's folder, whichever separator it uses, or from the root after "\".
      {"pic.ico", "sub\\more.inf", "D:\\sub\\pic.ico #0"},
      {"pic.ico", "a/b\\c.inf", "D:\\a\\b\\pic.ico #0"},
      {"\\x.ico", "sub\\more.inf", "D:\\x.ico #0"},
      {"..\\x.ico,2", "sub\\more.inf", "D:\\x.ico #2"},
      // Anything else is never handed to the system: no relative name it would search for.
      {"shell32.dll,3", "autorun.inf", "D:\\shell32.dll #3"},
      {"\\\\server\\share\\x.ico", "sub\\more.inf", "off disc"},
      {"C:\\icons\\x.ico,1", "autorun.inf", "off disc"},
      {"..\\pic.ico", "autorun.inf", "off disc"},
      {"pic.ico", "D:\\disc\\more.inf", "off disc"},  // a menu file off the disc
      {"", "autorun.inf", "no file"},
      {" ,2", "autorun.inf", "no file"},
      {"x.dll,-1", "autorun.inf", "bad index"},  // a resource identifier, not a count
  };
  for (const auto& row : rows) EXPECT_EQ(Picture(row.value, row.menuFile), row.expected) << row.value;

  // A folder whose last character's second byte is "\" (表, 0x95 0x5C) in code page 932.
  EXPECT_EQ(Picture("x.ico", "\x95\x5c\\m.inf", ShiftJisLead), "D:\\\x95\x5c\\x.ico #0");
  EXPECT_EQ(Picture("x.ico", "\x95\x5cm.inf", ShiftJisLead), "D:\\x.ico #0");
  // The limit counts characters: 256 after "D:\" fit, a double-byte one counts once.
  EXPECT_EQ(Picture(std::string(257, 'p').c_str()), "long path");
  EXPECT_EQ(Picture(std::string(256, 'p').c_str()), "D:\\" + std::string(256, 'p') + " #0");
  std::string wide;
  for (int i = 0; i < 256; i++) wide += "\x95\x5c";
  EXPECT_EQ(Picture(wide.c_str(), "autorun.inf", ShiftJisLead), "D:\\" + wide + " #0");
}

// The QXcopy directive: strtok-like fields, "%windir%", the added "\", the file
// name after the last "\", and the limits that make it copy nothing. QXpicture values.
#include <gtest/gtest.h>

#include <string>

#include "menu/copy_directive.h"
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

// QXpicture values read from a menu file: "path #index", or the problem.
std::string Picture(const char* value, const char* menuFile = "autorun.inf", LeadByteTest lead = nullptr) {
  menu::PictureSource source;
  switch (menu::ReadPictureValue(value, menuFile, &source, lead)) {
    case menu::PictureProblem::kNone: return std::string(source.path.c_str()) + " #" + std::to_string(source.index);
    case menu::PictureProblem::kNoFile: return "no file";
    case menu::PictureProblem::kBadIndex: return "bad index";
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
      {"setup\\setup.exe", "autorun.inf", "setup\\setup.exe #0"},
      {"setup\\setup.exe, 1 ", "autorun.inf", "setup\\setup.exe #1"},
      {"app.dll ,+2", "autorun.inf", "app.dll #2"},
      {"a,b.ico", "autorun.inf", "a,b.ico #0"},  // not a number: the comma is the name's
      {"a,b.ico,3", "autorun.inf", "a,b.ico #3"},
      {"icons.dll,99999999999", "autorun.inf", "icons.dll #2147483647"},
      // Relative to the menu file's folder, whichever separator it uses; absolute as written.
      {"pic.ico", "sub\\more.inf", "sub\\pic.ico #0"},
      {"pic.ico", "a/b\\c.inf", "a/b\\pic.ico #0"},
      {"..\\pic.ico", "D:\\disc\\sub\\more.inf", "D:\\disc\\sub\\..\\pic.ico #0"},
      {"pic.ico", "D:menu.inf", "D:pic.ico #0"},
      {"C:\\icons\\x.ico", "sub\\more.inf", "C:\\icons\\x.ico #0"},
      {"\\\\server\\share\\x.ico", "sub\\more.inf", "\\\\server\\share\\x.ico #0"},
      {"\\x.ico", "sub\\more.inf", "\\x.ico #0"},
      {"", "autorun.inf", "no file"},
      {" ,2", "autorun.inf", "no file"},
      {"x.dll,-1", "autorun.inf", "bad index"},  // a resource identifier, not a count
  };
  for (const auto& row : rows) EXPECT_EQ(Picture(row.value, row.menuFile), row.expected) << row.value;

  // A folder whose last character's second byte is "\" (表, 0x95 0x5C) in code page 932.
  EXPECT_EQ(Picture("x.ico", "\x95\x5c\\m.inf", ShiftJisLead), "\x95\x5c\\x.ico #0");
  EXPECT_EQ(Picture("x.ico", "\x95\x5cm.inf", ShiftJisLead), "x.ico #0");
  EXPECT_EQ(Picture(std::string(260, 'p').c_str()), "long path");
  EXPECT_EQ(Picture(std::string(259, 'p').c_str()), std::string(259, 'p') + " #0");
}

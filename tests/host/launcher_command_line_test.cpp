// Menu commands: identifiers to entries, "%" documents, reload and popup file
// names, and the composition of command lines against a fake registry.
#include <gtest/gtest.h>

#include <string>

#include "commands/association.h"
#include "commands/command_line.h"
#include "launcher_fake_registry.h"

using command::Kind;
using testing_assoc::FakeRegistry;

namespace {

TEST(EntryIndexForId, ButtonAndPopupRanges) {
  const struct {
    unsigned id;
    int index;
  } cases[] = {
      {1001, 0},  {1030, 29}, {1101, 0},  {1130, 29},       {1000, command::kNoEntry},
      {1031, -1}, {1100, -1}, {1131, -1}, {0, -1},          {0xFFFFFFFFu, -1},
      {1015, 14}, {1115, 14}, {1099, -1}, {1000 + 130, 29}, {1000 + 131, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(command::EntryIndexForId(c.id), c.index) << c.id;
}

TEST(PercentCommand, DocumentIsTheTextAfterTheFirstBlank) {
  EXPECT_STREQ(command::PercentCommandDocument("%open docs\\guide.txt").c_str(), "docs\\guide.txt");
  EXPECT_STREQ(command::PercentCommandDocument("%open My  Guide.txt ").c_str(), "My  Guide.txt ");
  EXPECT_STREQ(command::PercentCommandDocument("%guide.txt").c_str(), "%guide.txt");
  EXPECT_STREQ(command::PercentCommandDocument("%open ").c_str(), "");
  EXPECT_STREQ(command::PercentCommandDocument("%open\tx").c_str(), "%open\tx");  // a tab is no blank
}

TEST(MenuCommands, ReloadAndPopupFileNames) {
  EXPECT_EQ(command::Classify("[more.inf]"), Kind::kReload);
  EXPECT_EQ(command::Classify("<tools.inf>"), Kind::kPopup);
  EXPECT_EQ(command::Classify(" [more.inf]"), Kind::kStart);
  EXPECT_EQ(command::Classify(""), Kind::kStart);
  EXPECT_EQ(command::Classify("setup.exe"), Kind::kStart);

  EXPECT_STREQ(command::MenuFileOf("[more.inf]", ']').c_str(), "more.inf");
  EXPECT_STREQ(command::MenuFileOf("[menu2.inf] and more", ']').c_str(), "menu2.inf");
  EXPECT_STREQ(command::MenuFileOf("[", ']').c_str(), "");
  EXPECT_STREQ(command::MenuFileOf("[]", ']').c_str(), "");
  EXPECT_STREQ(command::MenuFileOf("<tools.inf", '>').c_str(), "tools.inf");
  EXPECT_STREQ(command::MenuFileOf("<a]b>c", '>').c_str(), "a]b");  // only its own bracket closes
  EXPECT_STREQ(command::MenuFileOf("[sub dir\\m.inf]", ']').c_str(), "sub dir\\m.inf");
  EXPECT_STREQ(command::MenuFileOf("", ']').c_str(), "");
  // "ゾーン.inf" in code page 932: the first character's second byte is "]" (0x83 0x5D).
  auto shiftJisLead = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
  EXPECT_STREQ(command::MenuFileOf("[\x83\x5d\x81\x5b\x83\x93.inf]", ']', shiftJisLead).c_str(),
               "\x83\x5d\x81\x5b\x83\x93.inf");
}

// The registry of the examples: .txt, .pdf, .htm and .exe have a class each, the
// class of .pdf opens with "reader.exe /s", .xyz has none.
class Compose : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.AddAssociation(".txt", "txtfile", "editor.exe \"%1\"");
    registry.AddAssociation(".pdf", "pdffile", "reader.exe /s");
    registry.AddValue(".htm", "htmfile");
    registry.AddAssociation(".exe", "exefile", "\"%1\" %*");
  }
  void TearDown() override {
    EXPECT_EQ(registry.openKeys(), 0u);
    EXPECT_TRUE(registry.faults.empty());
  }
  std::string Line(const char* commandLine) {
    return command::ComposeCommandLine(registry, commandLine).c_str();
  }
  FakeRegistry registry;
};

const char kUrl[] = "rundll32.exe url.dll,FileProtocolHandler ";

TEST_F(Compose, ExamplesOfTheCommandTable) {
  using C = command::Composition;
  const struct {
    const char* command;
    std::string started;
    C how;
  } rows[] = {
      {"setup.exe", "setup.exe", C::kAsWritten},
      {"setup.exe /q", "setup.exe /q", C::kAsWritten},
      {"tools\\check", "tools\\check", C::kAsWritten},
      {"notes.txt", kUrl + std::string("notes.txt"), C::kUrlHandler},
      {"notes.xyz", "notes.xyz", C::kAsWritten},
      {"viewer.exe manual.pdf", kUrl + std::string("manual.pdf"), C::kUrlHandler},
      {"viewer.exe manual.pdf /p", "reader.exe manual.pdf  /p", C::kOpenCommand},
      {"viewer.exe index.htm /p", "index.htm /p", C::kNoOpenCommand},
      {"rundll32.exe url.dll,FileProtocolHandler docs\\index.htm",
       "rundll32.exe url.dll,FileProtocolHandler docs\\index.htm", C::kRundll},
      {"SETUP.EXE", kUrl + std::string("SETUP.EXE"), C::kUrlHandler},
  };
  for (const auto& row : rows) {
    C how = C::kAsWritten;
    EXPECT_EQ(command::ComposeCommandLine(registry, row.command, &how).c_str(), row.started) << row.command;
    EXPECT_EQ(how, row.how) << row.command;
  }
}

TEST_F(Compose, NoRegistryWithoutADotOrForExe) {
  for (const char* line : {"tools\\check", "setup.exe /q", "", "a.b\\setup.exe"}) {
    registry.ClearLog();
    EXPECT_EQ(Line(line), line);
    EXPECT_TRUE(registry.log.empty()) << line;
  }
  // ".exe" is compared exactly: ".Exe" and ".exe2" are looked up.
  registry.ClearLog();
  EXPECT_EQ(Line("Setup.Exe"), kUrl + std::string("Setup.Exe"));
  EXPECT_EQ(registry.log.front(), "open .Exe");
}

TEST_F(Compose, ExtensionEndsAtTheFirstBlankAfterTheLastDot) {
  registry.ClearLog();
  EXPECT_EQ(Line("viewer.exe manual.pdf /p /q"), "reader.exe manual.pdf  /p /q");
  EXPECT_EQ(registry.log.front(), "open .pdf");
  // The last "." lies in a switch: ".5" has no class, the line stays.
  EXPECT_EQ(Line("notes.txt /zoom=1.5"), "notes.txt /zoom=1.5");
  // A "." with nothing after it: the extension "." has no class.
  EXPECT_EQ(Line("notes."), "notes.");
}

TEST_F(Compose, BlanksSplitProgramDocumentAndSwitch) {
  // A document name with a blank is split at it.
  EXPECT_EQ(Line("My Guide.txt"), kUrl + std::string("Guide.txt"));
  // A switch right after the program part is no switch part: no document part before it.
  EXPECT_EQ(Line("manual.pdf /p"), kUrl + std::string("/p"));
  // White space after the first blank is skipped; trailing white space leaves the switch.
  EXPECT_EQ(Line("viewer.exe  \t manual.pdf -p \t"), "reader.exe manual.pdf  -p");
  // After the document's blank something other than "/" or "-": no switch, url.dll.
  EXPECT_EQ(Line("viewer.exe manual.pdf extra"), kUrl + std::string("manual.pdf extra"));
  // The document part ends at the first blank of the rest, whatever follows.
  EXPECT_EQ(Line("viewer.exe my manual.pdf /p"), kUrl + std::string("my manual.pdf /p"));
}

TEST_F(Compose, SwitchWithoutOpenCommandGivesTheRest) {
  // .htm has a class but no open command.
  EXPECT_EQ(Line("browser.exe index.htm /new"), "index.htm /new");
  EXPECT_EQ(Line("browser.exe   index.htm -new "), "index.htm -new ");
}

TEST_F(Compose, RundllKeepsItsProgramPart) {
  EXPECT_EQ(Line("RunDLL32.EXE shell32.dll,Foo notes.txt"), "RunDLL32.EXE shell32.dll,Foo notes.txt");
  EXPECT_EQ(Line("rundll32. x notes.txt"), "rundll32. x notes.txt");
  EXPECT_EQ(Line("rundll32.exe   notes.txt"), "rundll32.exe notes.txt");
  EXPECT_EQ(Line("rundll32 notes.txt"), kUrl + std::string("notes.txt"));
  EXPECT_EQ(Line("xrundll32.exe notes.txt"), kUrl + std::string("notes.txt"));
}

TEST_F(Compose, PercentCommandsGoThroughTheAssociationFirst) {
  // %open docs\guide.txt: the quoted template gives an extension .txt" that has no class.
  Text document = command::PercentCommandDocument("%open docs\\guide.txt");
  Text line = assoc::BuildAssociationCommand(registry, document.c_str());
  EXPECT_STREQ(line.c_str(), "editor.exe \"docs\\guide.txt\"");
  EXPECT_EQ(Line(line.c_str()), "editor.exe \"docs\\guide.txt\"");

  // Without the quotes the line ends in .txt and is opened through url.dll.
  FakeRegistry plain;
  plain.AddAssociation(".txt", "txtfile", "editor.exe %1");
  line = assoc::BuildAssociationCommand(plain, document.c_str());
  EXPECT_STREQ(line.c_str(), "editor.exe docs\\guide.txt");
  EXPECT_STREQ(command::ComposeCommandLine(plain, line.c_str()).c_str(),
               (kUrl + std::string("docs\\guide.txt")).c_str());
  EXPECT_EQ(plain.openKeys(), 0u);

  // No usable association: an empty line, which starts nothing.
  EXPECT_STREQ(assoc::BuildAssociationCommand(registry, "%guide.xyz").c_str(), "");
  EXPECT_EQ(Line(""), "");
}

}  // namespace

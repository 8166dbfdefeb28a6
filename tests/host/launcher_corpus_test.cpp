// Every real-world autorun.inf of the corpus goes through the menu reader, read as the
// launcher reads it; a few files whose menus are obvious are checked entry by entry.
#include <dirent.h>
#include <gtest/gtest.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "corpus.h"
#include "launcher_menu_source.h"
#include "menu/menu_reader.h"

using testing_menu::RecordingSink;
using Events = std::vector<std::string>;

namespace {

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> names;
  if (DIR* dir = opendir(CorpusDir().c_str())) {
    while (dirent* e = readdir(dir)) {
      std::string name = e->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".inf") == 0) names.push_back(name);
    }
    closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct Reading {
  Events events;
  menu::ReadResult result;
};

std::string CorpusBytes(const std::string& name) {
  std::string bytes;
  FILE* file = fopen((CorpusDir() + "/" + name).c_str(), "rb");
  EXPECT_TRUE(file) << name;
  if (!file) return bytes;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  fclose(file);
  return bytes;
}

// The file's text as the launcher reads it on a Windows-1252 system, through the reader.
Reading ReadCorpusFile(const std::string& name, LeadByteTest lead) {
  Reading r{{}, menu::ReadResult::kReadError};
  testing_menu::Decoded text = testing_menu::Decode(CorpusBytes(name));
  EXPECT_TRUE(text.ok) << name;
  testing_menu::MemorySource source(text.text);
  menu::LineReader reader(source);
  RecordingSink sink;
  r.result = menu::ReadMenu(reader, lead, sink);
  r.events = sink.events;
  return r;
}

std::string FileStartingWith(const std::string& prefix) {
  for (const std::string& name : CorpusFiles())
    if (name.compare(0, prefix.size(), prefix) == 0) return name;
  ADD_FAILURE() << "no corpus file " << prefix;
  return "";
}

TEST(Corpus, EveryFileReadsToItsEnd) {
  SKIP_WITHOUT_CORPUS();
  std::vector<std::string> files = CorpusFiles();
  ASSERT_GE(files.size(), 50u) << "corpus missing at " << CorpusDir();
  for (const std::string& name : files) {
    for (LeadByteTest lead : {(LeadByteTest) nullptr, (LeadByteTest)testing_menu::ShiftJisLead}) {
      Reading r = ReadCorpusFile(name, lead);
      EXPECT_EQ(r.result, menu::ReadResult::kEndOfFile) << name;
    }
  }
}

TEST(Corpus, ShellVerbsBecomeEntries) {
  SKIP_WITHOUT_CORPUS();
  EXPECT_EQ(ReadCorpusFile(FileStartingWith("03-"), nullptr).events,
            (Events{"caption 0 &Configure...", "entry 0 SETUP.EXE @200", "caption 1 &Install...",
                    "entry 1 SETUP.EXE @200"}));
  // Mixed-case key, CR LF line ends.
  EXPECT_EQ(ReadCorpusFile(FileStartingWith("09-"), nullptr).events,
            (Events{"caption 0 Hiren's BootCD", "entry 0 HBCD\\HBCDMenu.exe @200"}));
  // Blanks around "=".
  EXPECT_EQ(ReadCorpusFile(FileStartingWith("29-"), nullptr).events,
            (Events{"caption 0 &Instalar", "entry 0 Instalar.exe @200", "caption 1 &Ver Leame",
                    "entry 1 notepad readme.txt @200"}));
}

TEST(Corpus, PairingFollowsLineOrderNotVerbs) {
  SKIP_WITHOUT_CORPUS();
  // The command lines come before their captions: each pair comes out swapped.
  EXPECT_EQ(ReadCorpusFile(FileStartingWith("04-"), nullptr).events,
            (Events{"caption 0 Setup.exe", "entry 0 &Install MapPoint North America @200",
                    "caption 1 dvdrun.exe VIEW=readme.htm", "entry 1 &View Read Me @200"}));
  // Default-verb lines "shell=open" take part in the alternation.
  Events u3 = ReadCorpusFile(FileStartingWith("33-"), nullptr).events;
  ASSERT_EQ(u3.size(), 9u);
  EXPECT_EQ(u3[0], "caption 0 LaunchU3.exe -a");
  EXPECT_EQ(u3[1], "entry 0 @twinui.dll,-1040 @200");
  EXPECT_EQ(u3[2], "caption 1 open");
  EXPECT_EQ(u3[8], "caption 4 pintohome");
  // "shellexecute" is a shell-type line: a caption left waiting.
  EXPECT_EQ(ReadCorpusFile(FileStartingWith("45-"), nullptr).events,
            (Events{"caption 0 \"\"Windows\\Gdium Mobile PC.exe\"\""}));
}

TEST(Corpus, EncodingsAreChosenAsTheLauncherChoosesThem) {
  SKIP_WITHOUT_CORPUS();
  // The UTF-16 file is converted; every other file is ANSI (ASCII, Windows-1252,
  // Shift-JIS, Windows-1251) and read byte for byte, but where UTF-8 is the ANSI code
  // page: there those with bytes above 127 are read in the legacy code page.
  for (const std::string& name : CorpusFiles()) {
    std::string bytes = CorpusBytes(name);
    testing_menu::Decoded ansi = testing_menu::Decode(bytes), utf8 = testing_menu::Decode(bytes, 65001);
    bool utf16 = name.compare(0, 3, "08-") == 0;
    bool high = std::any_of(bytes.begin(), bytes.end(), [](char c) { return (unsigned char)c > 127; });
    EXPECT_EQ(ansi.choice.encoding, utf16 ? menu::Encoding::kUtf16Le : menu::Encoding::kAnsi) << name;
    EXPECT_EQ(utf8.choice.encoding, utf16  ? menu::Encoding::kUtf16Le
                                    : high ? menu::Encoding::kLegacyAnsi
                                           : menu::Encoding::kAnsi)
        << name;
    if (!utf16) {
      EXPECT_EQ(ansi.text, bytes) << name;
    }
  }
  std::string rufus = testing_menu::Decode(CorpusBytes(FileStartingWith("08-"))).text;
  EXPECT_EQ(rufus.substr(0, 30), "; Created by Rufus 4.6.2208 \r\n");
}

TEST(Corpus, FilesWithoutLauncherKeysGiveNothing) {
  SKIP_WITHOUT_CORPUS();
  // Ctrl-Z padding, and a UTF-16 file with nothing but icon and label keys.
  for (const char* prefix : {"06-", "07-", "08-"}) {
    Reading r = ReadCorpusFile(FileStartingWith(prefix), nullptr);
    EXPECT_TRUE(r.events.empty()) << prefix << " " << (r.events.empty() ? "" : r.events[0]);
  }
}

TEST(Corpus, TitleIdLinesAreTitleLines) {
  SKIP_WITHOUT_CORPUS();
  // 10 000 lines of driver sections: only the "TitleID=" lines count, as titles.
  EXPECT_EQ(ReadCorpusFile(FileStartingWith("26-"), nullptr).events,
            (Events{"title 1004", "title 1000", "title 1002", "title 1004"}));
}

}  // namespace

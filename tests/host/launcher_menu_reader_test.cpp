// The menu-file reader: line ends, line kinds, key prefixes, pairing, icon lists,
// the thirty-entry stop, read errors, double-byte text, and files saved as Unicode.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "launcher_menu_source.h"
#include "menu/menu_document.h"
#include "menu/menu_keys.h"
#include "menu/menu_reader.h"

using menu::Encoding;
using menu::LineKind;
using menu::LineReader;
using menu::ReadResult;
using testing_menu::Decode;
using testing_menu::Decoded;
using testing_menu::MemorySource;
using testing_menu::RecordingSink;
using Events = std::vector<std::string>;
using namespace std::string_literals;

namespace {

struct Outcome {
  Events events;
  ReadResult result;
  size_t consumed;
};

Outcome Read(const std::string& bytes, size_t chunk = 4096, LeadByteTest lead = nullptr,
             long failAfter = -1) {
  MemorySource source(bytes, chunk, failAfter);
  LineReader reader(source);
  RecordingSink sink;
  ReadResult result = menu::ReadMenu(reader, lead, sink);
  return {sink.events, result, source.consumed()};
}

// Every line the reader gives, with its length, for the line-splitting tests.
std::vector<std::string> Lines(const std::string& bytes, size_t chunk, LineReader::Status* last = nullptr) {
  MemorySource source(bytes, chunk);
  LineReader reader(source);
  std::vector<std::string> lines;
  const char* line;
  size_t length;
  LineReader::Status status;
  while ((status = reader.Next(&line, &length)) == LineReader::kLine) {
    EXPECT_EQ(line[length], '\0');
    lines.push_back(std::string(line, length));
    EXPECT_EQ(reader.lineNumber(), (int)lines.size());
  }
  if (last) *last = status;
  // Once ended, it stays ended.
  EXPECT_EQ(reader.Next(&line, &length), status);
  return lines;
}

const size_t kChunkSizes[] = {1, 2, 7, 4096};

TEST(MenuReader, WorkedExample) {
  const std::string file =
      "[autorun]\r\n"
      "open=autorun.exe\r\n"
      "title=Demo disc\r\n"
      "QXicon=1,2\r\n"
      "shell\\install=&Install\r\n"
      "shell\\install\\command=setup\\setup.exe\r\n"
      "QXspace=10\r\n"
      "shell\\guide=Read me\r\n"
      "shell\\guide\\command=guide.txt\r\n";
  Events expected = {
      "title Demo disc", "icons 1,2",         "caption 0 &Install",    "entry 0 setup\\setup.exe @201",
      "gap 10",          "caption 1 Read me", "entry 1 guide.txt @202"};
  for (size_t chunk : kChunkSizes) {
    Outcome o = Read(file, chunk);
    EXPECT_EQ(o.events, expected) << "chunk " << chunk;
    EXPECT_EQ(o.result, ReadResult::kEndOfFile);
  }
}

// The document holds every line: the page's latest values, each entry with the values
// and lines of its keys, and the rest in file order.
TEST(MenuDocument, HoldsEveryLineInItsPlace) {
  MemorySource source(
      "title=A\nQXicon=1,2\nQXif=x86\nQXtip=t1\nshell=a\nQXtip=t2\nshell=1\n"
      "QXspace=4\nQXcopy=x|y\nQXrun=wait\nQXrun=close\nshell=b\nshell=2\n"
      "title=B\nfoo=bar\nQXlanguage=de d.inf\nQXtip=late\nshell=c\nQXdirection=rtl\n");
  LineReader reader(source);
  menu::MenuDocument d;
  d.entryCount = 5;  // a document is cleared before it is read into
  EXPECT_EQ(menu::ReadMenuDocument(reader, nullptr, d), ReadResult::kEndOfFile);
  EXPECT_EQ(d.title.value.c_str(), "B"s);
  EXPECT_EQ(d.title.line, 14);
  ASSERT_EQ(d.entryCount, 2);
  const menu::DocumentEntry& a = d.entries[0];
  EXPECT_EQ(std::string(a.caption.value.c_str()) + ":" + std::to_string(a.caption.line), "a:5");
  EXPECT_EQ(std::string(a.command.value.c_str()) + ":" + std::to_string(a.command.line), "1:7");
  EXPECT_EQ(a.iconNumber, 201);
  EXPECT_EQ(std::string(a.condition.value.c_str()) + a.tip.value.c_str() + std::to_string(a.tip.line), "x86t26");
  EXPECT_EQ(a.runStyle.line, 0);
  EXPECT_EQ(std::string(d.entries[1].runStyle.value.c_str()) + std::to_string(d.entries[1].runStyle.line), "close11");
  EXPECT_EQ(std::string(d.waitingCaption.value.c_str()) + std::to_string(d.waitingCaption.line), "c18");
  EXPECT_EQ(std::string(d.direction.value.c_str()) + std::to_string(d.direction.line), "rtl19");
  std::string order;
  for (const menu::DocumentLine* line = d.lines(); line; line = line->next)
    order += std::to_string(line->line) + "." + std::to_string(line->kind) + " ";
  // Replaced next-entry lines (4 QXtip, 10 QXrun) and the one left at the end (17) are
  // unused; the line without a known key (15) is ignored.
  EXPECT_EQ(order, "1.0 2.0 4.5 7.1 8.2 9.3 10.5 13.1 14.0 15.6 16.4 19.0 17.5 ");
}

TEST(MenuReader, KeysAreRecognisedByTheirFirstCharacters) {
  Outcome o = Read(
      "TITLE = Demo\n"
      " TITLE=ignored, a blank before the key\n"
      "titlebar=x\n"
      "qxName=Disc 1\n"
      "QXNAMEfoo = Disc 2\n"
      "QXiconic=4\n"
      "QXspaceship=3\n"
      "qxcopy=a|b\n"
      "QXcopying = c|d\n"
      "QXtitle=not a key\n"
      "titl=e\n"
      "open=autorun.exe\n");
  EXPECT_EQ(o.events, (Events{"title Demo", "title x", "name Disc 1", "name Disc 2", "icons 4", "gap 3",
                              "copy a|b", "copy c|d"}));
}

// The guide's table of keys and the key table say the same: every key documented with
// its row's description, and no documented key the reader does not know.
TEST(MenuKeys, TheGuideDocumentsEveryKeyOfTheTable) {
  std::ifstream guide(GUIDE_PATH);
  ASSERT_TRUE(guide) << GUIDE_PATH;
  std::map<std::string, std::string> documented;  // key name -> meaning
  std::string line;
  bool inTable = false;
  while (std::getline(guide, line)) {
    if (line.rfind("| Key (first letters) |", 0) == 0)
      inTable = true;
    else if (inTable && line.rfind("|", 0) != 0)
      break;
    if (!inTable || line.rfind("|---", 0) == 0 || line.rfind("| Key ", 0) == 0) continue;
    // | `name` or `name` | meaning | example |
    size_t bar = line.find(" | ", 2);
    std::string names = line.substr(2, bar - 2);
    std::string meaning = line.substr(bar + 3, line.find(" | ", bar + 3) - bar - 3);
    for (size_t at = 0; (at = names.find('`', at)) != std::string::npos;) {
      size_t end = names.find('`', at + 1);
      documented[names.substr(at + 1, end - at - 1)] = meaning;
      at = end + 1;
    }
  }
  ASSERT_FALSE(documented.empty()) << "no table of keys in the guide";
  for (int i = 0; i < menu::kMenuKeyCount; i++) {
    const menu::MenuKey& key = menu::kMenuKeys[i];
    auto found = documented.find(key.name);
    ASSERT_NE(found, documented.end()) << key.name << " is not in the guide's table of keys";
    EXPECT_EQ(found->second, key.description) << key.name;
    documented.erase(found);
    // The reader knows the key by its name, in any case of ASCII letters.
    EXPECT_EQ(menu::ClassifyLine((std::string(key.name) + "=x").c_str(), nullptr, nullptr), key.kind);
  }
  for (const auto& unknown : documented) ADD_FAILURE() << unknown.first << " is documented but no key";
}

TEST(MenuReader, ValueIsTrimmedAndKeepsLaterEquals) {
  Outcome o = Read(
      "shell\\setup=Setup\n"
      "shell\\setup\\command = setup.exe /mode=1 \t\x0b\x0c\r\n"
      "title=\n"
      "title=   \n");
  EXPECT_EQ(o.events, (Events{"caption 0 Setup", "entry 0 setup.exe /mode=1 @200", "title ", "title "}));
}

TEST(MenuReader, IgnoredLinesChangeNothing) {
  MemorySource source(
      "[autorun]\n"
      "; title=comment\n"
      "[title=section]\n"
      "title without equals\n"
      "\n"
      "   \n"
      "icon=autorun.ico\n");
  LineReader reader(source);
  RecordingSink sink;
  EXPECT_EQ(menu::ReadMenu(reader, nullptr, sink), ReadResult::kEndOfFile);
  EXPECT_TRUE(sink.events.empty());
  EXPECT_EQ(sink.ignored, 7);
}

TEST(MenuReader, ClassifiesInOrder) {
  Text value;
  EXPECT_EQ(menu::ClassifyLine("", nullptr, &value), LineKind::kEmpty);
  EXPECT_EQ(menu::ClassifyLine("[shell=x]", nullptr, &value), LineKind::kSkipped);
  EXPECT_EQ(menu::ClassifyLine(";shell=x", nullptr, &value), LineKind::kSkipped);
  EXPECT_EQ(menu::ClassifyLine(" [shell=x", nullptr, &value), LineKind::kOtherKey);
  EXPECT_EQ(menu::ClassifyLine("shell", nullptr, &value), LineKind::kNoEquals);
  EXPECT_EQ(menu::ClassifyLine("shellex\\ContextMenuHandlers=x", nullptr, &value), LineKind::kShell);
  EXPECT_STREQ(value.c_str(), "x");
  EXPECT_EQ(menu::ClassifyLine("QXSHELL\\a=b", nullptr, &value), LineKind::kShell);
  EXPECT_EQ(menu::ClassifyLine("QXshel=b", nullptr, &value), LineKind::kOtherKey);
  EXPECT_EQ(menu::ClassifyLine("=value", nullptr, &value), LineKind::kOtherKey);
  EXPECT_STREQ(value.c_str(), "value");
  EXPECT_EQ(menu::ClassifyLine("title=a", nullptr, nullptr), LineKind::kTitle);  // no value wanted
}

TEST(MenuReader, ShellLinesAlternateWhateverTheirKeySays) {
  // The AutoRun default-verb line counts as a caption, shifting every pair.
  Outcome o = Read(
      "shell=install\n"
      "shell\\install=Install\n"
      "shell\\install\\command=setup.exe\n");
  EXPECT_EQ(o.events, (Events{"caption 0 install", "entry 0 Install @200", "caption 1 setup.exe"}));

  o = Read("QXshell\\a=A\nshellex=B\nshell\\c=C\n");
  EXPECT_EQ(o.events, (Events{"caption 0 A", "entry 0 B @200", "caption 1 C"}));
  EXPECT_EQ(o.result, ReadResult::kEndOfFile);
}

TEST(MenuReader, IconListGivesOneItemPerEntry) {
  const std::string threeEntries = "shell=a\nshell=1\nshell=b\nshell=2\nshell=c\nshell=3\n";
  Outcome o = Read("QXicon=3,,5\n" + threeEntries);
  EXPECT_EQ(o.events, (Events{"icons 3,,5", "caption 0 a", "entry 0 1 @203", "caption 1 b", "entry 1 2 @205",
                              "caption 2 c", "entry 2 3 @200"}));

  // Before any list, and items made of text or padding, give 200 + their atoi number.
  o = Read(
      "shell=a\nshell=1\nQXicon=,, 7x,abc,-3,\nshell=b\nshell=2\nshell=c\nshell=3\nshell=d\nshell=4\n"
      "shell=e\nshell=5\n");
  EXPECT_EQ(o.events[1], "entry 0 1 @200");
  EXPECT_EQ(o.events[4], "entry 1 2 @207");
  EXPECT_EQ(o.events[6], "entry 2 3 @200");
  EXPECT_EQ(o.events[8], "entry 3 4 @197");
  EXPECT_EQ(o.events[10], "entry 4 5 @200");

  // A second list starts from its own first item; a copy directive moves nothing.
  o = Read("QXicon=1,2,3\nshell=a\nshell=1\nQXcopy=x|y\nshell=b\nshell=2\nQXicon=9,8\nshell=c\nshell=3\n");
  EXPECT_EQ(o.events, (Events{"icons 1,2,3", "caption 0 a", "entry 0 1 @201", "copy x|y", "caption 1 b",
                              "entry 1 2 @202", "icons 9,8", "caption 2 c", "entry 2 3 @209"}));

  // A list waiting for a caption's command: the number is taken when the entry completes.
  o = Read("shell=a\nQXicon=4\nshell=1\n");
  EXPECT_EQ(o.events.back(), "entry 0 1 @204");
}

TEST(MenuReader, PictureGoesToTheNextEntryOnly) {
  // The icon list moves on for an entry with a picture as for any other; the picture is
  // handed over with the line it was read on, right before its entry.
  Outcome o = Read(
      "QXicon=1,2,3\n"
      "QXpicture = setup\\setup.exe,1 \n"
      "shell=a\nshell=1\n"
      "shell=b\nshell=2\n"
      "qxPICTUREs=readme.ico\n"
      "QXpictur=not the key\n"
      "shell=c\nQXpicture=late.ico\nshell=3\n");
  EXPECT_EQ(o.events, (Events{"icons 1,2,3", "caption 0 a", "picture 0 setup\\setup.exe,1 :2",
                              "entry 0 1 @201", "caption 1 b", "entry 1 2 @202", "caption 2 c",
                              "unused picture readme.ico :7", "picture 2 late.ico :10", "entry 2 3 @203"}));
  EXPECT_EQ(menu::ClassifyLine("QXpictur=x", nullptr, nullptr), LineKind::kOtherKey);

  // A picture replaced before any entry takes it, and one left at the end, are reported unused.
  o = Read("QXpicture=a.ico\nQXpicture=b.ico\nshell=a\nshell=1\nQXpicture=c.ico\n");
  EXPECT_EQ(o.events, (Events{"unused picture a.ico :1", "caption 0 a", "picture 0 b.ico :2",
                              "entry 0 1 @200", "unused picture c.ico :5"}));
}

TEST(MenuReader, ConditionRunStyleAndTipGoToTheNextEntryOnly) {
  // Each key keeps its latest value until an entry takes it; the keys are told apart
  // from their neighbours by their first characters.
  Outcome o = Read(
      "QXlanguage=de deutsch.inf\n"
      "QXif=64-bit\nQXIF=windows>=10\nQXrun=wait\nQXtip=Installs it\n"
      "shell=a\nshell=1\n"
      "qxrunning=close\nQXtipp=x\n"
      "shell=b\nshell=2\n"
      "QXtip=left over\nQXlanguage=fr francais.inf\n");
  EXPECT_EQ(
      o.events,
      (Events{"language de deutsch.inf", "unused if 64-bit :2", "caption 0 a", "if 0 windows>=10 :3",
              "run 0 wait :4", "tip 0 Installs it :5", "entry 0 1 @200", "caption 1 b", "run 1 close :8",
              "tip 1 x :9", "entry 1 2 @200", "late language fr francais.inf", "unused tip left over :12"}));
  EXPECT_EQ(menu::ClassifyLine("QXi=x", nullptr, nullptr), LineKind::kOtherKey);
  EXPECT_EQ(menu::ClassifyLine("QXicon=1", nullptr, nullptr), LineKind::kIconList);
  EXPECT_EQ(menu::ClassifyLine("QXlanguag=x", nullptr, nullptr), LineKind::kOtherKey);
}

TEST(MenuReader, IconListCountsOnlyItsFirst63Characters) {
  std::string list;
  while (list.size() < 60) list += "1,";  // 60 characters, item 31 starts at 60
  list += "25";                           // characters 61 and 62
  std::string atLimit = list + "6";       // exactly 63: item "256"
  std::string over = atLimit + "7,12";    // cut back to "256"
  Outcome o = Read("QXicon=" + atLimit + "\n");
  EXPECT_EQ(o.events[0], "icons " + atLimit);
  o = Read("QXicon=" + over + "\n");
  EXPECT_EQ(o.events[0], "icons(cut) " + atLimit);

  // 60 commas then "1,256,7": the cut leaves the items 1 and 2.
  std::string commas(60, ',');
  o = Read("QXicon=" + commas + "1,256,7\nshell=a\nshell=x\nshell=b\nshell=y\nshell=c\nshell=z\n");
  EXPECT_EQ(o.events[0], "icons(cut) " + commas + "1,2");
  EXPECT_EQ(o.events[2], "entry 0 x @201");
  EXPECT_EQ(o.events[4], "entry 1 y @202");
  EXPECT_EQ(o.events[6], "entry 2 z @200");
}

TEST(MenuReader, HugeIconNumbersSaturate) {
  Outcome o = Read("QXicon=99999999999,-99999999999\nshell=a\nshell=b\nshell=c\nshell=d\n");
  EXPECT_EQ(o.events[2], "entry 0 b @2147483647");
  EXPECT_EQ(o.events[4], "entry 1 d @" + std::to_string(-2147483647 - 1 + 200));
}

TEST(MenuReader, GapNumbersReadLikeAtoi) {
  Outcome o = Read("QXspace=-10\nQXspace=abc\nQXspace= 12px\nQXspace=\n");
  EXPECT_EQ(o.events, (Events{"gap -10", "gap 0", "gap 12", "gap 0"}));
}

TEST(MenuReader, StopsRightAfterTheThirtiethEntry) {
  std::string head;
  for (int i = 0; i < 30; i++)
    head += "shell\\v" + std::to_string(i) + "=C" + std::to_string(i) + "\nshell\\v" + std::to_string(i) +
            "\\command=p" + std::to_string(i) + "\n";
  std::string tail = "title=too late\nshell=C30\nshell=p30\nQXName=late\n";
  for (size_t chunk : {(size_t)1, (size_t)4096}) {
    Outcome o = Read(head + tail, chunk);
    EXPECT_EQ(o.result, ReadResult::kEntryLimit);
    ASSERT_EQ(o.events.size(), 60u);
    EXPECT_EQ(o.events[58], "caption 29 C29");
    EXPECT_EQ(o.events[59], "entry 29 p29 @200");
    // Byte by byte, not a single byte after the thirtieth command's line end was taken.
    if (chunk == 1) {
      EXPECT_EQ(o.consumed, head.size());
    }
  }
}

TEST(MenuReader, CaptionWaitingAtTheEndStaysACaption) {
  Outcome o = Read("shell=a\nshell=b\nshell=dangling");
  EXPECT_EQ(o.events.back(), "caption 1 dangling");
  EXPECT_EQ(o.result, ReadResult::kEndOfFile);
}

TEST(LineReader, LineEnds) {
  for (size_t chunk : kChunkSizes) {
    // LF and CR LF alike; a lone CR is an ordinary byte; only one CR goes with the LF.
    EXPECT_EQ(Lines("a\nb\r\nc", chunk), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(Lines("a\rb\r\r\n\r", chunk), (std::vector<std::string>{"a\rb\r", "\r"}));
    EXPECT_EQ(Lines("\n\r\n\n", chunk), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(Lines("", chunk), (std::vector<std::string>{}));
    EXPECT_EQ(Lines("x\n", chunk), (std::vector<std::string>{"x"}));
  }
}

TEST(LineReader, CtrlZEndsTheFile) {
  LineReader::Status last;
  for (size_t chunk : kChunkSizes) {
    EXPECT_EQ(Lines("a\nb\x1a"
                    "c\nd\n",
                    chunk, &last),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(last, LineReader::kEnd);
    EXPECT_EQ(Lines("a\n\x1a"
                    "b\n",
                    chunk),
              (std::vector<std::string>{"a"}));
    EXPECT_EQ(Lines("a\r\x1a", chunk), (std::vector<std::string>{"a\r"}));
  }
  // In a menu: a title after the Ctrl-Z is never seen, a caption cut by it stays.
  Outcome o = Read("shell=Cap\x1ation\ntitle=after\n");
  EXPECT_EQ(o.events, (Events{"caption 0 Cap"}));
  o = Read("title=before\n\x1a\x1a\x1atitle=after\n");
  EXPECT_EQ(o.events, (Events{"title before"}));
}

TEST(LineReader, LongLinesAreReadWhole) {
  std::string line300 = "shell=" + std::string(294, 'x');
  Outcome o = Read(line300 + "\nshell=cmd\n", 7);
  EXPECT_EQ(o.events[0], "caption 0 " + std::string(294, 'x'));

  std::string big(16 * 1024 * 1024, 'y');
  big.replace(0, 6, "title=");
  o = Read(big + "\r\ntitle=next\n");
  ASSERT_EQ(o.events.size(), 2u);
  EXPECT_EQ(o.events[0].size(), 6 + big.size() - 6);
  EXPECT_EQ(o.events[0].compare(0, 8, "title yy"), 0);
  EXPECT_EQ(o.events[1], "title next");
}

TEST(LineReader, NulEndsTheTextOfALine) {
  std::vector<std::string> lines = Lines(std::string("ab\0cd\nx", 7), 3);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string("ab\0cd", 5));  // the reader keeps the bytes

  // The classification sees "title=a" and nothing after the NUL, not even its "=".
  const char file[] = "title=a\0b\nshell\0=x\nshell=c\0=d\n";
  Outcome o = Read(std::string(file, sizeof file - 1));
  EXPECT_EQ(o.events, (Events{"title a", "caption 0 c"}));
}

TEST(LineReader, ReadErrorStopsTheMenu) {
  const std::string file = "title=T\nshell=a\nshell=b\nshell=c\nshell=d\n";
  // Fails in the middle of "shell=c": the two lines before it stand, the partial one is lost.
  Outcome o = Read(file, 4096, nullptr, (long)file.find("=c") + 1);
  EXPECT_EQ(o.result, ReadResult::kReadError);
  EXPECT_EQ(o.events, (Events{"title T", "caption 0 a", "entry 0 b @200"}));
  // At once, before any byte.
  o = Read(file, 3, nullptr, 0);
  EXPECT_EQ(o.result, ReadResult::kReadError);
  EXPECT_TRUE(o.events.empty());
}

class LyingSource : public menu::ByteSource {
 public:
  long Read(char*, size_t size) override { return (long)size + 1; }  // claims more than asked
};

TEST(LineReader, SourceClaimingTooMuchIsAnError) {
  LyingSource source;
  LineReader reader(source);
  const char* line;
  size_t length;
  EXPECT_EQ(reader.Next(&line, &length), LineReader::kError);
}

TEST(MenuReader, DoubleByteTextIsSteppedOverWhole) {
  using testing_menu::ShiftJisLead;
  // 0x81 0x3D is one character: its second byte is not the "=" of the line.
  Outcome o = Read("shell\\\x81=x=Cap\nshell=cmd \x81 \n", 4096, ShiftJisLead);
  EXPECT_EQ(o.events, (Events{"caption 0 Cap", "entry 0 cmd \x81  @200"}));
  // Without the code page's lead bytes the same bytes split at the first "=".
  o = Read("shell\\\x81=x=Cap\nshell=cmd \x81 \n", 4096, nullptr);
  EXPECT_EQ(o.events, (Events{"caption 0 x=Cap", "entry 0 cmd \x81 @200"}));
  // A line with its only "=" as a trail byte has no "=".
  o = Read("title\x81=\n", 4096, ShiftJisLead);
  EXPECT_TRUE(o.events.empty());
}

// The text with a UTF-16 byte-order mark, in either byte order.
std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    char high = (char)(unit >> 8), low = (char)(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  }
  return out;
}

TEST(MenuEncoding, ChoiceByMarkOrByValidUtf8) {
  const std::string notUtf8AfterAChunk = "title=D\xC3\xA9mo\n" + std::string(3000, 'a') + "\xE9";
  const struct {
    const char* name;
    std::string bytes;
    Encoding ansi, utf8;  // under Windows-1252, and where UTF-8 is the ANSI code page
    unsigned mark;
  } rows[] = {
      {"ASCII", "title=Demo\r\n", Encoding::kAnsi, Encoding::kAnsi, 0},
      {"empty", "", Encoding::kAnsi, Encoding::kAnsi, 0},
      {"UTF-8", "title=D\xC3\xA9mo\r\n", Encoding::kUtf8, Encoding::kAnsi, 0},
      {"UTF-8, four bytes", "\xF0\x9F\x98\x80", Encoding::kUtf8, Encoding::kAnsi, 0},
      {"UTF-8 mark", "\xEF\xBB\xBFtitle=x", Encoding::kUtf8, Encoding::kUtf8, 3},
      {"UTF-16 LE mark", "\xFF\xFEt\0"s, Encoding::kUtf16Le, Encoding::kUtf16Le, 2},
      {"UTF-16 BE mark", "\xFE\xFF\0t"s, Encoding::kUtf16Be, Encoding::kUtf16Be, 2},
      {"UTF-8 mark alone", "\xEF\xBB\xBF", Encoding::kUtf8, Encoding::kUtf8, 3},
      {"UTF-16 mark alone", "\xFF\xFE", Encoding::kUtf16Le, Encoding::kUtf16Le, 2},
      {"half a UTF-8 mark", "\xEF\xBB", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"half a UTF-16 mark", "\xFE", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"Windows-1252", "title=D\xE9mo\r\n", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"ends in e acute", "title=Caf\xE9", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"UTF-8 cut at the end", "title=D\xC3\xA9mo \xC3", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"Shift-JIS", "action=\x82\xA0\x82\xA2", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"Windows-1251", "label=\xC7\xC0\xCE \xAB\xD1\xBB", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"overlong", "\xC0\xAF", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"overlong, three bytes", "\xE0\x80\xAF", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"surrogate", "\xED\xA0\x80", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"above U+10FFFF", "\xF4\x90\x80\x80", Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
      {"invalid after the first read", notUtf8AfterAChunk, Encoding::kAnsi, Encoding::kLegacyAnsi, 0},
  };
  for (const auto& row : rows) {
    for (size_t chunk : {(size_t)1, (size_t)4096}) {
      Decoded ansi = Decode(row.bytes, 1252, chunk), utf8 = Decode(row.bytes, 65001, chunk);
      EXPECT_EQ(ansi.choice.encoding, row.ansi) << row.name;
      EXPECT_EQ(utf8.choice.encoding, row.utf8) << row.name;
      EXPECT_EQ(ansi.choice.markLength, row.mark) << row.name;
      // Files read as they stand give their bytes unchanged.
      if (row.ansi == Encoding::kAnsi) {
        EXPECT_EQ(ansi.text, row.bytes) << row.name;
      }
    }
  }
}

TEST(MenuEncoding, SameMenuInEveryEncodingReadsAlike) {
  const std::u16string text =
      u"title=D\u00e9mo \u20ac\r\nshell\\a=&Caf\u00e9 \U0001F600 \u03a9\r\nshell\\a\\command=a.exe\r\n";
  const std::string utf8 =
      u8"title=D\u00e9mo \u20ac\r\nshell\\a=&Caf\u00e9 \U0001F600 \u03a9\r\nshell\\a\\command=a.exe\r\n";
  const std::string files[] = {utf8, "\xEF\xBB\xBF" + utf8, Utf16(text, false), Utf16(text, true)};
  const Events menu = Read(utf8).events;
  ASSERT_EQ(menu.size(), 3u);
  for (const std::string& file : files) {
    for (size_t chunk : {(size_t)1, (size_t)2, (size_t)3, (size_t)5, (size_t)4096}) {
      // Never narrowed to the ANSI code page: the emoji and the omega, which Windows-1252
      // lacks, stay, whatever the ANSI code page.
      for (unsigned codePage : {1252u, 932u, menu::kUtf8CodePage}) {
        Decoded d = Decode(file, codePage, chunk);
        EXPECT_TRUE(d.ok);
        EXPECT_EQ(d.text, utf8) << "chunk " << chunk << ", encoding " << (int)d.choice.encoding;
        EXPECT_EQ(d.choice.TextCodePage(codePage), menu::kUtf8CodePage);
      }
      EXPECT_EQ(Read(Decode(file, 1252, chunk).text, chunk).events, menu);
    }
  }
  // A file in the ANSI code page is handed on as its bytes stand.
  EXPECT_EQ(Decode("title=D\xE9mo \x80", 1252).text, "title=D\xE9mo \x80");
  EXPECT_EQ(Decode("title=D\xE9mo \x80", 1252).choice.TextCodePage(1252), 1252u);
}

TEST(MenuEncoding, CutAndBrokenCharacters) {
  const struct {
    const char* name;
    std::string bytes;
    std::string text;
  } rows[] = {
      {"odd UTF-16 byte count",
       "\xFF\xFE"
       "a\0b"s,
       "a"},
      {"odd UTF-16 BE byte count", "\xFE\xFF\0a\0"s, "a"},
      {"unpaired high surrogate",
       "\xFF\xFE\x3D\xD8"
       "a\0"s,
       "\xEF\xBF\xBD" "a"},
      {"unpaired low surrogate",
       "\xFF\xFE"
       "a\0\0\xDC"
       "b\0"s,
       "a\xEF\xBF\xBD" "b"},
      {"high surrogate at the end",
       "\xFF\xFE"
       "a\0\x3D\xD8"s,
       "a\xEF\xBF\xBD"},
      {"invalid UTF-8 after a mark",
       "\xEF\xBB\xBF"
       "a\xFF"
       "b",
       "a\xEF\xBF\xBD" "b"},
      {"UTF-8 cut at the end after a mark",
       "\xEF\xBB\xBF"
       "a\xE2\x82",
       "a\xEF\xBF\xBD"},
      {"NUL and Ctrl-Z are characters too",
       "\xFF\xFE"
       "a\0\0\0\x1A\0"s,
       "a\0\x1A"s},
  };
  for (const auto& row : rows) {
    for (size_t chunk : {(size_t)1, (size_t)3, (size_t)4096}) {
      Decoded d = Decode(row.bytes, 1252, chunk);
      EXPECT_TRUE(d.ok) << row.name;
      EXPECT_EQ(d.text, row.text) << row.name << ", chunk " << chunk;
    }
  }
  // A read error while choosing or while reading is a read error of the text.
  EXPECT_FALSE(Decode("\xFF\xFE"
                      "a\0b\0"s,
                      1252, 4096, 1252, 0)
                   .ok);
  EXPECT_FALSE(Decode("\xFF\xFE" + std::string(5000, 'a'), 1252, 4096, 1252, 4096).ok);
}

TEST(MenuEncoding, OlderFilesWhereUtf8IsTheAnsiCodePage) {
  // Shift-JIS on a Japanese system: double-byte characters cut between reads stay whole.
  for (size_t chunk : {(size_t)1, (size_t)2, (size_t)3, (size_t)4096}) {
    Decoded d = Decode("action=\x82\xA0\x82\xA2\r\n", 65001, chunk, 932);
    EXPECT_EQ(d.choice.encoding, Encoding::kLegacyAnsi);
    EXPECT_EQ(d.text, u8"action=\u3042\u3044\r\n") << "chunk " << chunk;
  }
  EXPECT_EQ(Decode("title=D\xE9mo", 65001).text, u8"title=D\u00e9mo");
  // The legacy code page: the one the system names for the UTF-8 setting, else its
  // locale's; an answer of 0, of UTF-8 itself or of a code page not installed is none.
  // Code page 1250 is not installed on this imagined system.
  const struct {
    unsigned utf8Legacy, locale, legacy;
  } rows[] = {{932, 65001, 932}, {0, 1251, 1251},  {0, 932, 932},      {1251, 1252, 1251}, {0, 0, 1252},
              {0, 65001, 1252},  {65001, 0, 1252}, {1250, 1251, 1251}, {0, 1250, 1252}};
  auto installed = [](unsigned codePage) { return codePage != 1250; };
  for (const auto& row : rows)
    EXPECT_EQ(menu::LegacyCodePage(row.utf8Legacy, row.locale, installed), row.legacy)
        << row.utf8Legacy << " " << row.locale;
}

}  // namespace

// Fuzzes the menu reader with a hostile file, handed out in chunks of varying
// size and sometimes cut by a read error, in a single- and a double-byte code
// page, and read as the launcher reads a file: its encoding chosen and its text
// converted, on a Windows-1252 system and on one whose ANSI code page is UTF-8; its
// copy directives go through the directive parser.
#include <stdint.h>
#include <string.h>

#include <initializer_list>
#include <vector>

#include "code_pages.h"
#include "fuzz_check.h"
#include "launcher_menu_source.h"
#include "menu/copy_directive.h"
#include "menu/disc_path.h"
#include "menu/entry_condition.h"
#include "menu/entry_picture.h"
#include "menu/language_choice.h"
#include "menu/menu_encoding.h"
#include "menu/menu_entry.h"
#include "menu/menu_reader.h"

namespace {

// The chunking comes from the data itself, so every input replays exactly.
class ChunkedSource : public menu::ByteSource {
 public:
  ChunkedSource(const uint8_t* data, size_t size) : data_(data), size_(size) {
    uint32_t h = 2166136261u;  // FNV-1a
    for (size_t i = 0; i < size; i++) h = (h ^ data[i]) * 16777619u;
    state_ = h | 1;
    failAt_ = (h % 16 == 0) ? (long)(h % (size + 1)) : -1;
  }
  long Read(char* buffer, size_t size) override {
    if (failAt_ >= 0 && pos_ >= (size_t)failAt_) return -1;
    state_ ^= state_ << 13, state_ ^= state_ >> 17, state_ ^= state_ << 5;
    size_t chunk = (state_ % 8 == 0) ? 1 + state_ % 4096 : 1 + state_ % 16;
    size_t left = size_ - pos_;
    if (failAt_ >= 0 && left > (size_t)failAt_ - pos_) left = (size_t)failAt_ - pos_;
    size_t n = chunk < size ? chunk : size;
    if (n > left) n = left;
    memcpy(buffer, data_ + pos_, n);
    pos_ += n;
    return (long)n;
  }

 private:
  const uint8_t* data_;
  size_t size_, pos_ = 0;
  uint32_t state_;
  long failAt_;
};

// A machine for the conditions of a hostile disc: every path it is asked about must be
// one the launcher may touch.
class FuzzFacts : public menu::SystemFacts {
 public:
  FuzzFacts() {
    discRoot.Assign("D:\\");
    languages.Add("de-CH");
    languages.Add("en");
  }
  bool Variable(const char* name, Text* value) const override {
    value->Assign(name);
    return strlen(name) & 1;
  }
  menu::PathState Probe(const char* fullPath) const override {
    FUZZ_CHECK(menu::CheckSystemPath(fullPath) == menu::DiscPathProblem::kNone);
    return (strlen(fullPath) & 1) ? menu::PathState::kExists : menu::PathState::kMissing;
  }
  menu::PathState ProbeDisc(const char* discPath) const override { return Probe(discPath); }
  bool RegistryHas(menu::RegistryRoot, const char* key, const char*) const override {
    return strlen(key) & 1;
  }
};

// Checks what the reader reports against its rules while it reads.
class CheckingSink : public menu::MenuSink {
 public:
  void OnIconList(const char* value, bool cut, int line) override {
    FUZZ_CHECK(strlen(value) <= menu::kIconListLimit);
    FUZZ_CHECK(!cut || strlen(value) == menu::kIconListLimit);
    Line(line);
  }
  void OnCaption(int index, const char*, int line) override {
    FUZZ_CHECK(index == entries && !captionWaiting);
    captionWaiting = true;
    Line(line);
  }
  void OnEntry(int index, const char*, int, int line) override {
    FUZZ_CHECK(index == entries && captionWaiting && index < menu::kMaxEntries);
    captionWaiting = false;
    entries++;
    Line(line);
  }
  void OnPageKey(menu::LineKind, const char*, int line) override { Line(line); }
  void OnGap(int, int line) override { Line(line); }
  void OnCopy(const char* value, int line) override {
    // A copy directive from the disc: never a destination beyond its limit.
    Text source, destination;
    if (menu::ParseCopyDirective(value, "C:\\WINDOWS", &source, &destination) == menu::CopyOutcome::kCopy) {
      FUZZ_CHECK(!source.empty() && destination.length() <= menu::kCopyDestinationLimit);
    }
    Line(line);
  }
  // A picture line is reported when an entry takes it, or when it turns out unused: after
  // later lines, but once, like every other line.
  void OnPicture(int index, const char* value, int line) override {
    FUZZ_CHECK(index == entries && captionWaiting);
    // A picture from the disc: a file to open, never a path beyond what the system opens.
    menu::PictureSource picture;
    // Whatever the value, only a path under the disc's root, with no way out of it.
    if (menu::ReadPictureValue(value, "sub\\menu.inf", "D:\\", &picture) == menu::PictureProblem::kNone) {
      const char* path = picture.path.c_str();
      FUZZ_CHECK(picture.path.length() <= menu::kPicturePathLimit && picture.index >= 0);
      FUZZ_CHECK(strncmp(path, "D:\\", 3) == 0 && !strchr(path + 3, ':') && !strchr(path, '%') &&
                 path[3] != '\\');
      FUZZ_CHECK(!strstr(path, "\\..\\") && strcmp(path + picture.path.length() - 3, "\\..") != 0);
    }
    Mark(line);
  }
  void OnUnusedPicture(const char*, int line) override { Mark(line); }
  // QXif, QXrun and QXtip are handed on like pictures.
  void OnEntryKey(menu::LineKind kind, int index, const char* value, int line) override {
    FUZZ_CHECK(index == entries && captionWaiting);
    FUZZ_CHECK(kind == menu::LineKind::kCondition || kind == menu::LineKind::kRunStyle ||
               kind == menu::LineKind::kTip);
    if (kind == menu::LineKind::kCondition) {
      static const FuzzFacts facts;
      menu::ConditionsHold(value, facts);
      const char* cursor = value;
      menu::Condition condition;
      int count = 0;
      while (menu::NextCondition(&cursor, &condition)) FUZZ_CHECK(++count <= (int)strlen(value));
    }
    if (kind == menu::LineKind::kRunStyle) ParseRunStyle(value);
    Mark(line);
  }
  void OnUnusedEntryKey(menu::LineKind, const char*, int line) override { Mark(line); }
  void OnLanguage(const char* value, bool afterEntry, int line) override {
    FUZZ_CHECK(afterEntry == (entries > 0 || captionWaiting));
    languages.OnLanguage(value, afterEntry, line);
    FUZZ_CHECK(languages.count() <= menu::LanguageLines::kMax);
    menu::UserLanguages user;
    user.Add("de-AT");
    user.Add("pt");
    int chosen = languages.Choose(user);
    FUZZ_CHECK(chosen < languages.count() && (chosen < 0 || !languages.at(chosen).file.empty()));
    Line(line);
  }
  menu::LanguageLines languages;
  void OnIgnoredLine(menu::LineKind, const char*, int line) override { Line(line); }
  int entries = 0;
  bool captionWaiting = false;
  int reported = 0;

 private:
  // Every line but a picture's is reported in order, and every line once.
  void Line(int line) {
    FUZZ_CHECK(line > lastLine);
    lastLine = line;
    Mark(line);
  }
  void Mark(int line) {
    FUZZ_CHECK(line > 0);
    if ((size_t)line >= seen.size()) seen.resize(line + 1);
    FUZZ_CHECK(!seen[line]);
    seen[line] = true;
    reported++;
  }
  int lastLine = 0;
  std::vector<bool> seen;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (LeadByteTest lead : {(LeadByteTest) nullptr, (LeadByteTest)testing_menu::ShiftJisLead}) {
    ChunkedSource source(data, size);
    menu::LineReader reader(source);
    CheckingSink sink;
    menu::ReadResult result = menu::ReadMenu(reader, lead, sink);
    FUZZ_CHECK((result == menu::ReadResult::kEntryLimit) == (sink.entries == menu::kMaxEntries));
    FUZZ_CHECK(sink.reported == reader.lineNumber());
  }
  static check::IconvCodePages legacy932(932);
  for (unsigned codePage : {1252u, menu::kUtf8CodePage}) {
    check::IconvCodePages& codePages = legacy932;
    ChunkedSource probe(data, size);
    menu::TextSource chooser(probe, codePages);
    if (!chooser.Choose(codePage == menu::kUtf8CodePage)) continue;  // the source's own read error
    menu::EncodingChoice choice = chooser.choice();
    FUZZ_CHECK(choice.markLength <= size);
    ChunkedSource bytes(data + choice.markLength, size - choice.markLength);
    menu::TextSource text(bytes, codePages);
    text.Use(choice);
    menu::LineReader reader(text);
    CheckingSink sink;
    menu::ReadResult result = menu::ReadMenu(reader, nullptr, sink);
    FUZZ_CHECK((result == menu::ReadResult::kEntryLimit) == (sink.entries == menu::kMaxEntries));
  }
  return 0;
}

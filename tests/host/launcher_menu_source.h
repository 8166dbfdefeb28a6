// Test helpers for the menu reader: byte sources over memory, a file's text read as
// the launcher reads it, and a sink that records what the reader reports as one line
// of text per event.
#pragma once
#include <string.h>

#include <string>
#include <vector>

#include "code_pages.h"
#include "menu/menu_encoding.h"
#include "menu/menu_reader.h"

namespace testing_menu {

// The bytes of a string, handed out in chunks of at most chunkSize bytes; after
// failAfter bytes (if set) every read fails.
class MemorySource : public menu::ByteSource {
 public:
  explicit MemorySource(const std::string& bytes, size_t chunkSize = 4096, long failAfter = -1)
      : bytes_(bytes), chunkSize_(chunkSize), failAfter_(failAfter) {}
  long Read(char* buffer, size_t size) override {
    reads++;
    size_t left = bytes_.size() - pos_;
    if (failAfter_ >= 0 && pos_ >= (size_t)failAfter_) return -1;
    if (failAfter_ >= 0 && left > (size_t)failAfter_ - pos_) left = (size_t)failAfter_ - pos_;
    size_t n = left < size ? left : size;
    if (n > chunkSize_) n = chunkSize_;
    memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return (long)n;
  }
  size_t consumed() const { return pos_; }
  int reads = 0;

 private:
  std::string bytes_;
  size_t pos_ = 0;
  size_t chunkSize_;
  long failAfter_;
};

// Records every event as "kind index: text" (see Describe below).
class RecordingSink : public menu::MenuSink {
 public:
  void OnPageKey(menu::LineKind kind, const char* value, int) override {
    const char* name = kind == menu::LineKind::kTitle      ? "title"
                       : kind == menu::LineKind::kMenuName ? "name"
                                                           : menu::KeyOfKind(kind)->name;
    Add(name + std::string(" ") + value);
  }
  void OnIconList(const char* value, bool cut, int) override {
    Add(std::string(cut ? "icons(cut) " : "icons ") + value);
  }
  void OnCaption(int index, const char* caption, int) override {
    Add("caption " + std::to_string(index) + " " + caption);
  }
  void OnEntry(int index, const char* command, int iconNumber, int) override {
    Add("entry " + std::to_string(index) + " " + command + " @" + std::to_string(iconNumber));
  }
  void OnPicture(int index, const char* value, int line) override {
    Add("picture " + std::to_string(index) + " " + value + " :" + std::to_string(line));
  }
  void OnUnusedPicture(const char* value, int line) override {
    Add("unused picture " + std::string(value) + " :" + std::to_string(line));
  }
  void OnEntryKey(menu::LineKind kind, int index, const char* value, int line) override {
    Add(KeyName(kind) + " " + std::to_string(index) + " " + value + " :" + std::to_string(line));
  }
  void OnUnusedEntryKey(menu::LineKind kind, const char* value, int line) override {
    Add("unused " + KeyName(kind) + " " + value + " :" + std::to_string(line));
  }
  void OnLanguage(const char* value, bool afterEntry, int) override {
    Add(std::string(afterEntry ? "late language " : "language ") + value);
  }
  void OnGap(int number, int) override { Add("gap " + std::to_string(number)); }
  void OnCopy(const char* value, int) override { Add("copy " + std::string(value)); }
  void OnIgnoredLine(menu::LineKind, const char*, int) override { ignored++; }
  std::vector<std::string> events;
  int ignored = 0;

 private:
  void Add(const std::string& event) { events.push_back(event); }
  static std::string KeyName(menu::LineKind kind) {
    return kind == menu::LineKind::kCondition ? "if" : kind == menu::LineKind::kRunStyle ? "run" : "tip";
  }
};

// A file's text as the launcher reads it on a Windows whose ANSI code page is
// codePage (and whose legacy code page is legacy): the choice, then the text after
// the mark, both read in chunks of at most chunk bytes. ok is false on a read error.
struct Decoded {
  menu::EncodingChoice choice;
  std::string text;
  bool ok = false;
};
inline Decoded Decode(const std::string& bytes, unsigned codePage = 1252, size_t chunk = 4096,
                      unsigned legacy = 1252, long failAfter = -1) {
  Decoded d;
  check::IconvCodePages codePages(legacy);
  MemorySource probe(bytes, chunk, failAfter);
  menu::TextSource chooser(probe, codePages);
  if (!chooser.Choose(codePage == menu::kUtf8CodePage)) return d;
  d.choice = chooser.choice();
  MemorySource rest(bytes.substr(d.choice.markLength), chunk, failAfter);
  menu::TextSource text(rest, codePages);
  text.Use(d.choice);
  char buffer[7];  // smaller than a converted read: the text is handed out in pieces
  long got;
  while ((got = text.Read(buffer, sizeof buffer)) > 0) d.text.append(buffer, got);
  d.ok = got == 0;
  return d;
}

inline bool ShiftJisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace testing_menu

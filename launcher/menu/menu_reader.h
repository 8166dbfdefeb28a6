// The menu-file reader: bytes in, events out. It applies the launcher's rules for
// line ends, line kinds, keys recognised by prefix, strict caption/command pairing,
// the icon list and the thirty-entry stop. The launcher window, the disc checker
// and the fuzz targets all read menu files through this one procedure.
// menu/ owns the menu file: this reader, its encodings, .ini lines and keys, the
// entry tables, pictures, copy directives, the message keys, table and Messages
// walk. Pure code, no window; it may use base/ only. Its Windows-only files
// (code_pages_win32, menu_file_win32) add the system's code pages.
#pragma once
#include <stddef.h>

#include "base/text.h"
#include "menu/menu_keys.h"
#include "res/resource_ids.h"

namespace menu {

const int kMaxEntries = MENU_MAX_ENTRIES;
const size_t kIconListLimit = 63;  // characters of a QXicon value that count
const int kNoIcon = IDI_NONE;      // icon number of an entry without a list item

// Where the bytes of a menu file come from.
class ByteSource {
 public:
  // Fills up to size bytes; returns the count, 0 at the end, -1 on a read error.
  virtual long Read(char* buffer, size_t size) = 0;

 protected:
  ~ByteSource() {}
};

// Splits a byte source into lines: a line ends at a line feed, a carriage return
// right before it is dropped, a Ctrl-Z byte ends the file. A line may be of any
// length; memory is bounded by the longest line.
class LineReader {
 public:
  explicit LineReader(ByteSource& source) : source_(source) {}
  ~LineReader();
  enum Status { kLine, kEnd, kError };
  // On kLine, *line is the zero-terminated line (valid until the next call),
  // *length its byte count (it may hold NUL bytes before the end).
  Status Next(const char** line, size_t* length);
  int lineNumber() const { return lineNumber_; }

 private:
  bool Refill();
  ByteSource& source_;
  char chunk_[4096];
  size_t chunkLength_ = 0, chunkPos_ = 0;
  Text line_;
  bool ended_ = false, failed_ = false;
  int lineNumber_ = 0;
};

// Classifies a zero-terminated line (its text ends at the first NUL byte).
// For key lines (a row of the key table, or kOtherKey) *value receives the trimmed value.
LineKind ClassifyLine(const char* line, LeadByteTest isLeadByte, Text* value);

// What the reader found, in file order. Line numbers count from 1.
class MenuSink {
 public:
  // A line of a page key (a row of scope kPage) other than the icon list: title, QXName,
  // QXdirection and any page key added to the table.
  virtual void OnPageKey(LineKind kind, const char* value, int line) { (void)kind, (void)value, (void)line; }
  // The icon list as it counts (cut at kIconListLimit characters); cut tells whether it was.
  virtual void OnIconList(const char* value, bool cut, int line) { (void)value, (void)cut, (void)line; }
  virtual void OnCaption(int index, const char* caption, int line) { (void)index, (void)caption, (void)line; }
  // Entry index is complete: its command and its icon number (200 + n).
  virtual void OnEntry(int index, const char* command, int iconNumber, int line) {
    (void)index, (void)command, (void)iconNumber, (void)line;
  }
  // Entry index shows a picture of a file: the value of the latest QXpicture line read
  // since the entry before it, at that line. Comes right before the entry's OnEntry.
  virtual void OnPicture(int index, const char* value, int line) { (void)index, (void)value, (void)line; }
  // A QXpicture line that no entry takes: a later QXpicture line replaced it, or the
  // file ended first.
  virtual void OnUnusedPicture(const char* value, int line) { (void)value, (void)line; }
  // A QXif, QXrun or QXtip line (kind) that entry index takes: the latest of its kind read
  // since the entry before it. Comes right before the entry's OnEntry.
  virtual void OnEntryKey(LineKind kind, int index, const char* value, int line) {
    (void)kind, (void)index, (void)value, (void)line;
  }
  // A QXif, QXrun or QXtip line that no entry takes, like an unused picture.
  virtual void OnUnusedEntryKey(LineKind kind, const char* value, int line) {
    (void)kind, (void)value, (void)line;
  }
  // A QXlanguage line; afterEntry when an entry had begun before it (its caption was read).
  virtual void OnLanguage(const char* value, bool afterEntry, int line) {
    (void)value, (void)afterEntry, (void)line;
  }
  virtual void OnGap(int number, int line) { (void)number, (void)line; }
  virtual void OnCopy(const char* value, int line) { (void)value, (void)line; }
  // Every line that changes nothing (kinds kEmpty to kNoEquals and kOtherKey).
  virtual void OnIgnoredLine(LineKind kind, const char* text, int line) {
    (void)kind, (void)text, (void)line;
  }

 protected:
  ~MenuSink() {}
};

enum class ReadResult {
  kEndOfFile,   // every line was read
  kEntryLimit,  // the thirtieth entry was completed; the rest was not read
  kReadError,   // the source failed; what came before it was reported
};

// Reads the menu from the source's current position, reporting to the sink.
// When the result is kEntryLimit, reading stopped at the line that completed the
// thirtieth entry: no later line was taken from the reader.
ReadResult ReadMenu(LineReader& reader, LeadByteTest isLeadByte, MenuSink& sink);

}  // namespace menu

// The menu-file reader: line splitting, line classification and the reading loop.
#include "menu/menu_reader.h"

#include <limits.h>
#include <string.h>

namespace menu {

namespace {

const char kCtrlZ = 0x1A;  // ends a file read in text mode, as the C runtime does

// The names, kinds and scopes of the key table's rows, in the order they are tried:
// the rows as the reader needs them, so the launcher carries no descriptions.
struct KeyName {
  const char* name;
  LineKind kind;
  KeyScope scope;
};
#define MENU_KEY_NAME(name, kind, scope, popups, description) {name, LineKind::kind, KeyScope::scope},
const KeyName kKeys[] = {MENU_KEYS(MENU_KEY_NAME)};
#undef MENU_KEY_NAME
#define MENU_KEY_NEXT(name, kind, scope, popups, description) +(KeyScope::scope == KeyScope::kNextEntry)
const int kNextEntryKeys = 0 MENU_KEYS(MENU_KEY_NEXT);
#undef MENU_KEY_NEXT

// The icon list of the latest QXicon line and its current item.
class IconList {
 public:
  void Replace(const char* value) {
    items_.Assign(value);
    next_ = 0;
  }
  // n of the current item (0 when the list is used up or there is none), and
  // moves on to the next item. Empty items between commas do not count.
  int Take() {
    const char* list = items_.c_str();
    while (list[next_] == ',') next_++;
    if (!list[next_]) return 0;
    int n = LeadingNumber(list + next_);  // atoi stops at the comma anyway
    while (list[next_] && list[next_] != ',') next_++;
    return n;
  }

 private:
  Text items_;
  size_t next_ = 0;
};

// A value waiting for the next completed entry: the latest line of a next-entry key.
class PendingValue {
 public:
  LineKind kind() const { return kind_; }
  void SetKind(LineKind kind) { kind_ = kind; }
  void Replace(const char* value, int line, MenuSink& sink) {
    Drop(sink);
    value_.Assign(value);
    line_ = line;
  }
  // Hands the value, if one waits, to entry index; it is used by that entry only.
  void GiveTo(int index, MenuSink& sink) {
    if (!line_) return;
    if (kind_ == LineKind::kPicture)
      sink.OnPicture(index, value_.c_str(), line_);
    else
      sink.OnEntryKey(kind_, index, value_.c_str(), line_);
    line_ = 0;
  }
  void Drop(MenuSink& sink) {
    if (!line_) return;
    if (kind_ == LineKind::kPicture)
      sink.OnUnusedPicture(value_.c_str(), line_);
    else
      sink.OnUnusedEntryKey(kind_, value_.c_str(), line_);
    line_ = 0;
  }

 private:
  LineKind kind_ = LineKind::kOtherKey;
  Text value_;
  int line_ = 0;  // 0: none waits
};

// The values of the keys that belong to the next entry, handed on in the table's order.
class PendingValues {
 public:
  PendingValues() {
    int n = 0;
    for (const KeyName& key : kKeys) {
      if (key.scope == KeyScope::kNextEntry) values_[n++].SetKind(key.kind);
    }
  }
  PendingValue* For(LineKind kind) {
    for (PendingValue& value : values_) {
      if (value.kind() == kind) return &value;
    }
    return nullptr;
  }
  void GiveTo(int index, MenuSink& sink) {
    for (PendingValue& value : values_) value.GiveTo(index, sink);
  }
  void Drop(MenuSink& sink) {
    for (PendingValue& value : values_) value.Drop(sink);
  }

 private:
  PendingValue values_[kNextEntryKeys];
};

// 200 + n, saturated so that a huge number on a hostile disc cannot overflow.
int IconNumber(int n) {
  return n > INT_MAX - kNoIcon ? INT_MAX : kNoIcon + n;
}

}  // namespace

LineReader::~LineReader() {}

bool LineReader::Refill() {
  long got = source_.Read(chunk_, sizeof chunk_);
  if (got < 0 || (size_t)got > sizeof chunk_) {
    failed_ = true;
    return false;
  }
  if (got == 0) {
    ended_ = true;
    return false;
  }
  chunkLength_ = (size_t)got;
  chunkPos_ = 0;
  return true;
}

LineReader::Status LineReader::Next(const char** line, size_t* length) {
  if (failed_) return kError;
  if (ended_) return kEnd;
  line_.Clear();
  for (;;) {
    if (chunkPos_ == chunkLength_ && !Refill()) {
      // A read error loses the partial line, as fgets does; the end of the
      // file gives it as the last line without a line end.
      if (failed_ || line_.empty()) return failed_ ? kError : kEnd;
      break;
    }
    const char* start = chunk_ + chunkPos_;
    size_t span = chunkLength_ - chunkPos_;
    size_t run = 0;
    while (run < span && start[run] != '\n' && start[run] != kCtrlZ) run++;
    line_.Append(start, run);
    if (!line_.ok()) {
      // A line too long for memory: stop rather than go on with a wrong text.
      failed_ = true;
      return kError;
    }
    chunkPos_ += run;
    if (run == span) continue;
    char stop = chunk_[chunkPos_++];
    if (stop == kCtrlZ) {
      ended_ = true;
      if (line_.empty()) return kEnd;
      break;
    }
    // A line feed: a carriage return right before it belongs to the line end.
    if (!line_.empty() && line_[line_.length() - 1] == '\r') line_.Assign(line_.c_str(), line_.length() - 1);
    break;
  }
  lineNumber_++;
  *line = line_.c_str();
  *length = line_.length();
  return kLine;
}

LineKind ClassifyLine(const char* line, LeadByteTest isLeadByte, Text* value) {
  if (!line[0]) return LineKind::kEmpty;
  if (line[0] == '[' || line[0] == ';') return LineKind::kSkipped;
  const char* equals = FindCharacter(line, '=', isLeadByte);
  if (!equals) return LineKind::kNoEquals;
  if (value) {
    const char* rest = equals + 1;
    size_t begin, end;
    TrimRange(rest, strlen(rest), isLeadByte, &begin, &end);
    value->Assign(rest + begin, end - begin);
  }
  for (const KeyName& key : kKeys) {
    if (StartsWithIgnoringAsciiCase(line, key.name)) return key.kind;
  }
  return LineKind::kOtherKey;
}

namespace {

bool IsPageKey(LineKind kind) {
  for (const KeyName& key : kKeys) {
    if (key.kind == kind) return key.scope == KeyScope::kPage;
  }
  return false;
}

}  // namespace

ReadResult ReadMenu(LineReader& reader, LeadByteTest isLeadByte, MenuSink& sink) {
  int index = 0;
  bool captionWaiting = false;
  IconList icons;
  PendingValues pending;
  Text value;
  const char* line;
  size_t length;
  for (;;) {
    LineReader::Status status = reader.Next(&line, &length);
    if (status != LineReader::kLine) {
      pending.Drop(sink);
      return status == LineReader::kEnd ? ReadResult::kEndOfFile : ReadResult::kReadError;
    }
    int number = reader.lineNumber();
    // The line's text ends at its first NUL byte, as the C library's string
    // functions that read it on Windows see it; the bytes after it are lost.
    LineKind kind = ClassifyLine(line, isLeadByte, &value);
    switch (kind) {
      case LineKind::kIconList: {
        bool cut = value.length() > kIconListLimit;
        if (cut) value.Assign(value.c_str(), kIconListLimit);
        icons.Replace(value.c_str());
        sink.OnIconList(value.c_str(), cut, number);
        break;
      }
      case LineKind::kShell:
        if (!captionWaiting) {
          sink.OnCaption(index, value.c_str(), number);
          captionWaiting = true;
          break;
        }
        pending.GiveTo(index, sink);
        sink.OnEntry(index, value.c_str(), IconNumber(icons.Take()), number);
        captionWaiting = false;
        if (++index == kMaxEntries) return ReadResult::kEntryLimit;
        break;
      case LineKind::kSpace:
        sink.OnGap(LeadingNumber(value.c_str()), number);
        break;
      case LineKind::kCopy:
        sink.OnCopy(value.c_str(), number);
        break;
      case LineKind::kLanguage:
        sink.OnLanguage(value.c_str(), index > 0 || captionWaiting, number);
        break;
      default:
        // A page key counts where it stands; the keys of the next entry wait for it; other
        // lines change nothing.
        if (IsPageKey(kind))
          sink.OnPageKey(kind, value.c_str(), number);
        else if (PendingValue* next = pending.For(kind))
          next->Replace(value.c_str(), number, sink);
        else
          sink.OnIgnoredLine(kind, line, number);
        break;
    }
  }
}

}  // namespace menu

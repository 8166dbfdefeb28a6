// The menu document: the reader's findings gathered in one place.
#include "menu/menu_document.h"

#include "base/new_delete.h"

namespace menu {

void MenuDocument::Clear() {
  for (DocumentLine* line = first_; line;) {
    DocumentLine* next = line->next;
    delete line;
    line = next;
  }
  first_ = last_ = nullptr;
  result = ReadResult::kEndOfFile;
  title = KeyLine();
  menuName = KeyLine();
  iconList = KeyLine();
  iconListCut = false;
  for (DocumentEntry& entry : entries) entry = DocumentEntry();
  entryCount = 0;
  waitingCaption = KeyLine();
}

DocumentLine* MenuDocument::Add(DocumentLine::Kind kind, int line) {
  // Out of memory the line is left out; the entries and page values are kept apart.
  DocumentLine* added = new DocumentLine;
  if (!added) return nullptr;
  added->kind = kind;
  added->line = line;
  (last_ ? last_->next : first_) = added;
  last_ = added;
  return added;
}

// Writes what the reader reports into the document.
class DocumentBuilder : public MenuSink {
 public:
  explicit DocumentBuilder(MenuDocument& document) : d_(document) {}
  void OnTitle(const char* value, int line) override { PageKey(d_.title, LineKind::kTitle, value, line); }
  void OnIconList(const char* value, bool cut, int line) override {
    if (DocumentLine* added = PageKey(d_.iconList, LineKind::kIconList, value, line)) added->number = cut;
    d_.iconListCut = cut;
  }
  void OnMenuName(const char* value, int line) override {
    PageKey(d_.menuName, LineKind::kMenuName, value, line);
  }
  void OnCaption(int, const char* caption, int line) override { Set(d_.waitingCaption, caption, line); }
  void OnPicture(int index, const char* value, int line) override {
    Set(d_.entries[index].picture, value, line);
  }
  void OnEntryKey(LineKind kind, int index, const char* value, int line) override {
    DocumentEntry& entry = d_.entries[index];
    Set(kind == LineKind::kCondition  ? entry.condition
        : kind == LineKind::kRunStyle ? entry.runStyle
                                      : entry.tip,
        value, line);
  }
  void OnEntry(int index, const char* command, int iconNumber, int line) override {
    DocumentEntry& entry = d_.entries[index];
    entry.caption = d_.waitingCaption;
    d_.waitingCaption = KeyLine();
    Set(entry.command, command, line);
    entry.iconNumber = iconNumber;
    d_.entryCount = index + 1;
    if (DocumentLine* added = d_.Add(DocumentLine::kEntry, line)) added->number = index;
  }
  void OnUnusedPicture(const char* value, int line) override {
    OnUnusedEntryKey(LineKind::kPicture, value, line);
  }
  void OnUnusedEntryKey(LineKind kind, const char* value, int line) override {
    if (DocumentLine* added = d_.Add(DocumentLine::kUnusedKey, line)) {
      added->key = kind;
      added->value.Assign(value);
    }
  }
  void OnLanguage(const char* value, bool afterEntry, int line) override {
    if (DocumentLine* added = d_.Add(DocumentLine::kLanguage, line)) {
      added->key = LineKind::kLanguage;
      added->number = afterEntry;
      added->value.Assign(value);
    }
  }
  void OnGap(int number, int line) override {
    if (DocumentLine* added = d_.Add(DocumentLine::kGap, line)) {
      added->key = LineKind::kSpace;
      added->number = number;
    }
  }
  void OnCopy(const char* value, int line) override {
    if (DocumentLine* added = d_.Add(DocumentLine::kCopy, line)) {
      added->key = LineKind::kCopy;
      added->value.Assign(value);
    }
  }
  void OnIgnoredLine(LineKind kind, const char*, int line) override {
    if (DocumentLine* added = d_.Add(DocumentLine::kIgnored, line)) added->key = kind;
  }

 private:
  // The page's value, and the line in its place.
  DocumentLine* PageKey(KeyLine& key, LineKind kind, const char* value, int line) {
    Set(key, value, line);
    DocumentLine* added = d_.Add(DocumentLine::kPageKey, line);
    if (added) {
      added->key = kind;
      added->value.Assign(value);
    }
    return added;
  }
  static void Set(KeyLine& key, const char* value, int line) {
    key.value.Assign(value);
    key.line = line;
  }
  MenuDocument& d_;
};

ReadResult ReadMenuDocument(LineReader& reader, LeadByteTest isLeadByte, MenuDocument& document) {
  document.Clear();
  DocumentBuilder builder(document);
  document.result = ReadMenu(reader, isLeadByte, builder);
  return document.result;
}

}  // namespace menu

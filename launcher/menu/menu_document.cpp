// The menu document: the reader's findings gathered in one place.
#include "menu/menu_document.h"

#include <stdlib.h>

#include <new>

namespace menu {

void KeyLine::Set(const char* text, int at) {
  value.Assign(text);
  line = at;
}

KeyLine* DocumentEntry::NextEntryKey(LineKind kind) {
  switch (kind) {
    case LineKind::kPicture:
      return &picture;
    case LineKind::kCondition:
      return &condition;
    case LineKind::kRunStyle:
      return &runStyle;
    case LineKind::kTip:
      return &tip;
    default:
      return nullptr;
  }
}

KeyLine* MenuDocument::PageKey(LineKind kind) {
  switch (kind) {
    case LineKind::kTitle:
      return &title;
    case LineKind::kIconList:
      return &iconList;
    case LineKind::kMenuName:
      return &menuName;
    case LineKind::kDirection:
      return &direction;
    default:
      return nullptr;
  }
}

void MenuDocument::Clear() {
  for (DocumentLine* line = first_; line;) {
    DocumentLine* next = line->next;
    line->~DocumentLine();
    free(line);
    line = next;
  }
  first_ = last_ = nullptr;
  result = ReadResult::kEndOfFile;
  for (int kind = 0; kind <= (int)LineKind::kOtherKey; kind++) {
    if (KeyLine* key = PageKey((LineKind)kind)) key->Set("", 0);
  }
  iconListCut = false;
  for (DocumentEntry& entry : entries) {
    entry.caption.Set("", 0);
    entry.command.Set("", 0);
    for (int kind = 0; kind <= (int)LineKind::kOtherKey; kind++) {
      if (KeyLine* key = entry.NextEntryKey((LineKind)kind)) key->Set("", 0);
    }
    entry.iconNumber = kNoIcon;
  }
  entryCount = 0;
  waitingCaption.Set("", 0);
}

DocumentLine* MenuDocument::Add(DocumentLine::Kind kind, LineKind key, const char* value, int number,
                                int line) {
  // Pure code: no allocation function of the launcher's own, so malloc, which answers
  // null when memory runs out, in every tree.
  void* memory = malloc(sizeof(DocumentLine));
  if (!memory) return nullptr;
  DocumentLine* added = new (memory) DocumentLine;
  added->kind = kind;
  added->key = key;
  added->value.Assign(value);
  added->number = number;
  added->line = line;
  (last_ ? last_->next : first_) = added;
  last_ = added;
  return added;
}

// Writes what the reader reports into the document.
class DocumentBuilder : public MenuSink {
 public:
  explicit DocumentBuilder(MenuDocument& document) : d_(document) {}
  void OnPageKey(LineKind kind, const char* value, int line) override { PageValue(kind, value, 0, line); }
  void OnIconList(const char* value, bool cut, int line) override {
    PageValue(LineKind::kIconList, value, cut, line);
    d_.iconListCut = cut;
  }
  void OnCaption(int, const char* caption, int line) override { d_.waitingCaption.Set(caption, line); }
  void OnPicture(int index, const char* value, int line) override {
    OnEntryKey(LineKind::kPicture, index, value, line);
  }
  void OnEntryKey(LineKind kind, int index, const char* value, int line) override {
    if (KeyLine* key = d_.entries[index].NextEntryKey(kind)) key->Set(value, line);
  }
  void OnEntry(int index, const char* command, int iconNumber, int line) override {
    DocumentEntry& entry = d_.entries[index];
    entry.caption = d_.waitingCaption;
    d_.waitingCaption.Set("", 0);
    entry.command.Set(command, line);
    entry.iconNumber = iconNumber;
    d_.entryCount = index + 1;
    d_.Add(DocumentLine::kEntry, LineKind::kShell, "", index, line);
  }
  void OnUnusedPicture(const char* value, int line) override {
    OnUnusedEntryKey(LineKind::kPicture, value, line);
  }
  void OnUnusedEntryKey(LineKind kind, const char* value, int line) override {
    d_.Add(DocumentLine::kUnusedKey, kind, value, 0, line);
  }
  void OnLanguage(const char* value, bool afterEntry, int line) override {
    d_.Add(DocumentLine::kLanguage, LineKind::kLanguage, value, afterEntry, line);
  }
  void OnGap(int number, int line) override {
    d_.Add(DocumentLine::kGap, LineKind::kSpace, "", number, line);
  }
  void OnCopy(const char* value, int line) override {
    d_.Add(DocumentLine::kCopy, LineKind::kCopy, value, 0, line);
  }
  // The text of an ignored line is not kept: it may be any length.
  void OnIgnoredLine(LineKind kind, const char*, int line) override {
    d_.Add(DocumentLine::kIgnored, kind, "", 0, line);
  }

 private:
  // The page's value, and the line in its place.
  void PageValue(LineKind kind, const char* value, int number, int line) {
    if (KeyLine* key = d_.PageKey(kind)) key->Set(value, line);
    d_.Add(DocumentLine::kPageKey, kind, value, number, line);
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

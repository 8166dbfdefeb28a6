// MenuDocument: everything the reader found in one menu file, complete: the page's
// values, each entry with every key's value and line, and in file order the gaps,
// copy lines, language lines, next-entry lines no entry took and the lines that
// changed nothing. The launcher window draws it and the disc checker judges it;
// neither writes into it.
#pragma once
#include "base/text.h"
#include "menu/menu_reader.h"

namespace menu {

// A key's value as read, at its line; line 0: the key was not given.
struct KeyLine {
  Text value;
  int line = 0;
  void Set(const char* text, int at);
};

// One completed entry: a caption and a command line, and the values of the next-entry
// keys read since the entry before it.
struct DocumentEntry {
  KeyLine caption;
  KeyLine command;
  int iconNumber = kNoIcon;  // 200 + n for item n of the icon list
  KeyLine picture;           // QXpicture
  KeyLine condition;         // QXif
  KeyLine runStyle;          // QXrun
  KeyLine tip;               // QXtip
  // The field of a next-entry key (a row of scope kNextEntry), null for another kind.
  KeyLine* NextEntryKey(LineKind kind);
};

// A line in its place in the file: every line but the entries' captions and the
// next-entry lines an entry took, which the entries hold.
struct DocumentLine {
  enum Kind {
    kPageKey,    // a title, QXicon, QXName or QXdirection line (key): value; number is 1 for a cut icon list
    kEntry,      // entry `number` was completed here
    kGap,        // QXspace: number is its value
    kCopy,       // QXcopy: value
    kLanguage,   // QXlanguage: value; number is 1 when an entry had begun before it
    kUnusedKey,  // a next-entry line (key) that no entry took: value
    kIgnored,    // a line that changes nothing; key says why (kEmpty to kNoEquals, kOtherKey)
  };
  Kind kind;
  LineKind key = LineKind::kEmpty;
  int number = 0;
  int line = 0;
  Text value;
  DocumentLine* next = nullptr;
};

class MenuDocument {
 public:
  MenuDocument() {}
  ~MenuDocument() { Clear(); }
  MenuDocument(const MenuDocument&) = delete;
  MenuDocument& operator=(const MenuDocument&) = delete;

  // Frees every line and empties every value, as before a file is read into it.
  void Clear();

  ReadResult result = ReadResult::kEndOfFile;
  KeyLine title;
  KeyLine menuName;  // QXName
  KeyLine direction;  // QXdirection
  KeyLine iconList;  // as it counts: cut at kIconListLimit characters
  bool iconListCut = false;
  // The field of a page key (a row of scope kPage), null for another kind.
  KeyLine* PageKey(LineKind kind);
  DocumentEntry entries[kMaxEntries];
  int entryCount = 0;
  KeyLine waitingCaption;  // a caption whose command never came (line 0: none)
  // The lines in file order; null when there are none.
  const DocumentLine* lines() const { return first_; }
  // Hands every value of the document to visit(Text&), which may change it in place:
  // the launcher makes the text of a file in the ANSI code page UTF-8 this way.
  template <class Visit>
  void ForEachValue(Visit visit) {
    for (int kind = 0; kind <= (int)LineKind::kOtherKey; kind++) {
      if (KeyLine* key = PageKey((LineKind)kind)) visit(key->value);
    }
    visit(waitingCaption.value);
    for (DocumentEntry& entry : entries) {
      visit(entry.caption.value);
      visit(entry.command.value);
      for (int kind = 0; kind <= (int)LineKind::kOtherKey; kind++) {
        if (KeyLine* key = entry.NextEntryKey((LineKind)kind)) visit(key->value);
      }
    }
    for (DocumentLine* line = first_; line; line = line->next) visit(line->value);
  }

 private:
  friend class DocumentBuilder;
  // Adds a line at the end; null out of memory, when the line is left out.
  DocumentLine* Add(DocumentLine::Kind kind, LineKind key, const char* value, int number, int line);
  DocumentLine* first_ = nullptr;
  DocumentLine* last_ = nullptr;
};

// Reads the menu from the reader into document, which is cleared first; the document
// keeps what came before a read error.
ReadResult ReadMenuDocument(LineReader& reader, LeadByteTest isLeadByte, MenuDocument& document);

}  // namespace menu

// Which start menu a person reads: the QXlanguage lines of autorun.inf matched against
// the languages that the user has asked Windows for, in the user's order. Pure.
#pragma once
#include "base/text.h"
#include "menu/menu_reader.h"

namespace menu {

// The user's preferred user-interface languages, best first, as tags ("de-CH").
struct UserLanguages {
  static const int kMax = 8;
  static const int kTagSize = 24;  // longer tags are not kept
  int count = 0;
  char tag[kMax][kTagSize] = {};
  void Add(const char* tag);  // in order; a tag too long, or beyond kMax, is left out
};

// One QXlanguage line: its tags (separated by commas) and its menu file.
struct LanguageLine {
  Text tags;
  Text file;
  int line = 0;
};

// Splits the value "TAGS FILE" at its first run of white space; false when either
// part is missing.
bool ParseLanguageValue(const char* value, LanguageLine* out);

// The primary language of a tag: "de" of "de-CH", the tag itself without a "-".
Text PrimaryLanguage(const char* tag);
// Does a tag of a language line name the user's tag exactly (ignoring ASCII case)?
bool SameTag(const char* lineTag, size_t lineTagLength, const char* userTag);

// Collects the QXlanguage lines of a start menu that count: those before its first
// entry. The reader reports every line; the later ones are counted apart.
class LanguageLines : public MenuSink {
 public:
  static const int kMax = 32;  // lines beyond these are not looked at
  void OnLanguage(const char* value, bool afterEntry, int line) override;
  int count() const { return count_; }
  const LanguageLine& at(int i) const { return lines_[i]; }
  // The index of the line that the user reads: for each user language in order, a line
  // with the exact tag, then a line with its primary language; -1 for none.
  int Choose(const UserLanguages& user) const;

 private:
  LanguageLine lines_[kMax];
  int count_ = 0;
};

}  // namespace menu

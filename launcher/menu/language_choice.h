// Which start menu a person reads: the QXlanguage lines of autorun.inf matched against
// the languages that the user has asked Windows for, in the user's order, each followed by
// the languages Windows falls back to from it. And which languages are written right to
// left. Pure: the launcher and the checker choose by the same rule.
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
// Does a tag of a language line name the user's tag exactly (ignoring ASCII case, and
// reading "_" as "-": "de_DE" is "de-DE")?
bool SameTag(const char* lineTag, size_t lineTagLength, const char* userTag);

// The language Windows falls back to from tag, as its locale data give the parent
// (LOCALE_SPARENT): "zh-TW" and "zh-HK" to "zh-Hant", "zh-CN" and "zh-SG" to "zh-Hans",
// "es-MX" to "es-419", "pt-AO" to "pt-PT", "en-GB" to "en-001"; any other tag to itself
// without its last subtag ("sr-Latn-RS" to "sr-Latn", "es-419" to "es"). False when there
// is none: a bare language, or a tag whose parent is no language ("zh-Hant": a reader of
// Traditional Chinese is never handed a file for "zh", which means Simplified).
bool ParentTag(const char* tag, char parent[UserLanguages::kTagSize]);

// The tags a user with these languages reads, best first: each language followed by its
// parents, before the next language. The one rule of the file choice and of language:.
struct FallbackLanguages {
  static const int kMax = UserLanguages::kMax * 4;
  int count = 0;
  char tag[kMax][UserLanguages::kTagSize] = {};
};
FallbackLanguages LanguagesWithParents(const UserLanguages& user);

// language:TAG holds when the user reads tag: one of the user's languages or their parents.
bool ReadsLanguage(const UserLanguages& user, const char* tag);

// Can a Windows user's language list reach tag? False for a tag that is not one (not
// language[-Script][-REGION][-variant] of letters and digits), for the names Windows no
// longer gives ("zh-CHS", "zh-CHT", "iw", "in", "ji"), and for Chinese with both script
// and region ("zh-Hant-TW"), which Windows names "zh-TW". "_" is read as "-".
bool ReachedByWindows(const char* tag);

// Is the language of tag written right to left? Its script subtag decides where it has
// one ("pa-Arab", "ku-Arab" and "az-Arab" are, "sd-Deva" is not); else the language:
// Arabic, Hebrew, Persian, Urdu, Pashto, Sindhi, Uyghur, Yiddish, Divehi, Syriac and
// Central Kurdish.
bool IsRightToLeft(const char* tag);
// The direction of a language line's file: that of its first tag.
bool LineIsRightToLeft(const LanguageLine& line);
// Does a page read right to left? Its QXdirection value decides where it is "rtl" or
// "ltr" (ASCII case ignored); else the direction of the start menu's language.
bool PageIsRightToLeft(const char* direction, bool startIsRightToLeft);

// Collects the QXlanguage lines of a start menu that count: those before its first
// entry. The reader reports every line; the later ones are counted apart.
class LanguageLines : public MenuSink {
 public:
  static const int kMax = 32;  // lines beyond these are not looked at
  void OnLanguage(const char* value, bool afterEntry, int line) override;
  int count() const { return count_; }
  const LanguageLine& at(int i) const { return lines_[i]; }
  // The index of the line that the user reads: for each user language in order, a line
  // with the exact tag, then a line with each of its parents in turn; -1 for none.
  int Choose(const UserLanguages& user) const;

 private:
  LanguageLine lines_[kMax];
  int count_ = 0;
};

}  // namespace menu

// Matching the user's languages against a start menu's QXlanguage lines.
#include "menu/language_choice.h"

#include <string.h>

namespace menu {

namespace {

const int kTagSize = UserLanguages::kTagSize;

// Windows' parents that are not the tag cut at its last subtag, from its locale data
// (which follow the parent locales of Unicode's CLDR): the language, the parent, and the
// regions (or other last subtags) whose tags have that parent.
const struct {
  const char* language;
  const char* parent;
  const char* children;
} kParents[] = {
    {"zh", "zh-Hant", "TW HK MO CHT"},
    {"zh", "zh-Hans", "CN SG CHS"},
    {"es", "es-419", "AR BO BR BZ CL CO CR CU DO EC GT HN MX NI PA PE PR PY SV US UY VE"},
    {"pt", "pt-PT", "AO CH CV GQ GW LU MO MZ ST TL"},
    {"en", "en-001",
     "150 AG AU BE BS BW BZ CA CM CY DM ER FJ GB GD GG GH GI GM GY HK IE IL IM IN JE JM KE KI KN KY LC LR LS "
     "MG "
     "MO MT MU MV MW MY NA NG NR NZ PG PK PN RW SB SC SD SG SH SL SS SZ TO TT TV TZ UG VC VU WS ZA ZM ZW"},
};
// Tags whose parent is no language: the chain ends there.
const char* const kRootParents[] = {"zh-Hant"};
// Languages whose own parent is another language: Windows' neutral Norwegian.
const struct {
  const char* tag;
  const char* parent;
} kLanguageParents[] = {{"nb", "no"}, {"nn", "no"}};

const char* const kRightToLeftLanguages[] = {"ar", "he", "fa", "ur",  "ps", "sd",
                                             "ug", "yi", "dv", "syr", "ckb"};
// Scripts written right to left: Arabic, Hebrew, Thaana, Syriac, N'Ko, Adlam, Hanifi Rohingya.
const char* const kRightToLeftScripts[] = {"Arab", "Hebr", "Thaa", "Syrc", "Nkoo", "Adlm", "Rohg"};
// Names that Windows once used and no longer gives a user.
const char* const kRetiredTags[] = {"zh-CHS", "zh-CHT", "iw", "in", "ji"};

bool IsSeparator(char c) {
  return c == '-' || c == '_';
}

// The tag with "_" read as "-", cut to the buffer.
void Normalise(const char* tag, char out[kTagSize]) {
  int n = 0;
  for (; tag[n] && n < kTagSize - 1; n++) out[n] = IsSeparator(tag[n]) ? '-' : tag[n];
  out[n] = '\0';
}

size_t SubtagLength(const char* p) {
  size_t n = 0;
  while (p[n] && !IsSeparator(p[n])) n++;
  return n;
}

// Is word one of the blank-separated words of list (ignoring case)?
bool ListHoldsWord(const char* list, const char* word) {
  for (const char* p = list; *p;) {
    size_t n = 0;
    while (p[n] && p[n] != ' ') n++;
    if (EqualsIgnoringAsciiCase(p, n, word)) return true;
    p += n;
    while (*p == ' ') p++;
  }
  return false;
}

// Is tag one of names, or a tag under one of them ("in-ID" under "in")?
template <size_t N>
bool NamedIn(const char* const (&names)[N], const char* tag) {
  for (const char* name : names) {
    size_t n = strlen(name);
    if (SameTag(tag, n, name) && (!tag[n] || IsSeparator(tag[n]))) return true;
  }
  return false;
}

size_t TagLength(const char* tag) {
  size_t n = 0;
  while (tag[n] && tag[n] != ',' && !IsTrimSpace((unsigned char)tag[n])) n++;
  return n;
}

// Does any comma-separated tag of the list equal tag (ignoring ASCII case)?
bool ListHoldsTag(const char* list, const char* tag) {
  const char* p = list;
  while (*p) {
    while (*p == ',' || IsTrimSpace((unsigned char)*p)) p++;
    size_t n = TagLength(p);
    if (n && SameTag(p, n, tag)) return true;
    p += n;
  }
  return false;
}

}  // namespace

void UserLanguages::Add(const char* text) {
  size_t n = strlen(text);
  if (count == kMax || n == 0 || n >= (size_t)kTagSize) return;
  memcpy(tag[count++], text, n + 1);
}

bool ParseLanguageValue(const char* value, LanguageLine* out) {
  const char* p = value;
  while (*p && !IsTrimSpace((unsigned char)*p)) p++;
  out->tags.Assign(value, (size_t)(p - value));
  while (IsTrimSpace((unsigned char)*p)) p++;
  out->file.Assign(p);  // the value is trimmed at its end already
  return !out->tags.empty() && !out->file.empty();
}

Text PrimaryLanguage(const char* tag) {
  const char* dash = strchr(tag, '-');
  return dash ? Text(tag, (size_t)(dash - tag)) : Text(tag);
}

bool SameTag(const char* lineTag, size_t lineTagLength, const char* userTag) {
  for (size_t i = 0; i < lineTagLength; i++) {
    char a = lineTag[i], b = userTag[i];
    if (IsSeparator(a) && IsSeparator(b)) continue;
    if (!b || LowerAscii(a) != LowerAscii(b)) return false;
  }
  return userTag[lineTagLength] == '\0';
}

bool ParentTag(const char* tag, char parent[kTagSize]) {
  char own[kTagSize];
  Normalise(tag, own);
  parent[0] = '\0';
  for (const char* root : kRootParents)
    if (SameTag(own, strlen(own), root)) return false;
  const char* dash = strchr(own, '-');
  for (const auto& row : kParents) {
    if (dash && SameTag(own, (size_t)(dash - own), row.language) && ListHoldsWord(row.children, dash + 1)) {
      Normalise(row.parent, parent);
      return true;
    }
  }
  for (const auto& row : kLanguageParents) {
    if (SameTag(own, strlen(own), row.tag)) {
      Normalise(row.parent, parent);
      return true;
    }
  }
  const char* last = strrchr(own, '-');
  if (!last) return false;
  memcpy(parent, own, (size_t)(last - own));
  parent[last - own] = '\0';
  return true;
}

FallbackLanguages LanguagesWithParents(const UserLanguages& user) {
  FallbackLanguages all;
  for (int u = 0; u < user.count; u++) {
    char tag[kTagSize];
    Normalise(user.tag[u], tag);
    // A chain is short ("zh-Hant-TW", "zh-Hant"); the bound only guards the table.
    for (int depth = 0; depth < 4 && all.count < FallbackLanguages::kMax; depth++) {
      memcpy(all.tag[all.count++], tag, kTagSize);
      char parent[kTagSize];
      if (!ParentTag(tag, parent)) break;
      memcpy(tag, parent, kTagSize);
    }
  }
  return all;
}

bool ReadsLanguage(const UserLanguages& user, const char* tag) {
  FallbackLanguages all = LanguagesWithParents(user);
  for (int i = 0; i < all.count; i++)
    if (SameTag(tag, strlen(tag), all.tag[i])) return true;
  return false;
}

bool ReachedByWindows(const char* tag) {
  if (NamedIn(kRetiredTags, tag)) return false;
  size_t primary = SubtagLength(tag);
  if (primary < 2 || primary > 3) return false;
  int subtags = 0;
  bool script = false;
  for (const char* p = tag;; p++) {
    size_t n = SubtagLength(p);
    if (n == 0 || n > 8) return false;
    for (size_t i = 0; i < n; i++) {
      char c = LowerAscii(p[i]);
      bool letter = c >= 'a' && c <= 'z', digit = c >= '0' && c <= '9';
      if (!letter && !(digit && p != tag)) return false;
    }
    if (p != tag && n == 4 && !(p[0] >= '0' && p[0] <= '9')) script = true;
    subtags++;
    p += n;
    if (!*p) break;
  }
  // Windows names Chinese by region alone: zh-TW, never zh-Hant-TW.
  return !(script && subtags > 2 && SameTag(tag, 2, "zh"));
}

bool IsRightToLeft(const char* tag) {
  size_t primary = SubtagLength(tag);
  for (const char* p = tag + primary; *p; p += SubtagLength(p)) {
    p++;  // the separator
    size_t n = SubtagLength(p);
    if (n == 4 && !(p[0] >= '0' && p[0] <= '9')) {
      for (const char* script : kRightToLeftScripts)
        if (EqualsIgnoringAsciiCase(p, n, script)) return true;
      return false;  // a script of its own, written left to right
    }
  }
  for (const char* language : kRightToLeftLanguages)
    if (EqualsIgnoringAsciiCase(tag, primary, language) && !language[primary]) return true;
  return false;
}

bool LineIsRightToLeft(const LanguageLine& line) {
  const char* tags = line.tags.c_str();
  while (*tags == ',' || IsTrimSpace((unsigned char)*tags)) tags++;
  return IsRightToLeft(Text(tags, TagLength(tags)).c_str());
}

bool PageIsRightToLeft(const char* direction, bool startIsRightToLeft) {
  if (EqualsIgnoringAsciiCase(direction, strlen(direction), "rtl")) return true;
  if (EqualsIgnoringAsciiCase(direction, strlen(direction), "ltr")) return false;
  return startIsRightToLeft;
}

void LanguageLines::OnLanguage(const char* value, bool afterEntry, int line) {
  if (afterEntry || count_ == kMax) return;
  LanguageLine& parsed = lines_[count_];
  if (!ParseLanguageValue(value, &parsed)) return;
  parsed.line = line;
  count_++;
}

int LanguageLines::Choose(const UserLanguages& user) const {
  FallbackLanguages all = LanguagesWithParents(user);
  for (int t = 0; t < all.count; t++) {
    for (int i = 0; i < count_; i++) {
      if (ListHoldsTag(lines_[i].tags.c_str(), all.tag[t])) return i;
    }
  }
  return -1;
}

}  // namespace menu

// Windows' default ANSI code pages of its languages, by primary language; Chinese by
// its script or region, and the languages written in Latin and Cyrillic by their script.
#include "language_code_page.h"

#include <string.h>

#include <string>

#include "base/text.h"

namespace check {

namespace {
const struct {
  int codePage;
  const char* languages;  // primary languages, separated by blanks
} kCodePages[] = {
    {874, "th"},
    {932, "ja"},
    {949, "ko"},
    {1250, "cs pl hu sk sl hr ro sq bs sr tk"},
    {1251, "ru uk be bg mk kk ky tt mn ba sah tg"},
    {1252,
     "en de fr es it pt nl sv da no nb nn fi is ca eu gl af ga id ms sw fy lb rm fo br co oc gd cy fil hsb "
     "dsb"},
    {1253, "el"},
    {1254, "tr az uz"},
    {1255, "he"},
    {1256, "ar fa ur ug ckb prs sd"},
    {1257, "et lv lt"},
    {1258, "vi"},
    {kNoAnsiCodePage, "hi bn ta te ka hy am mr gu pa kn ml si ne km lo my bo or as sa kok dv syr ps"},
};

// Is one of the subtags after the first word (both in lower case)?
bool HasSubtag(const std::string& tag, const char* word) {
  size_t n = strlen(word);
  for (size_t dash = tag.find('-'); dash != std::string::npos; dash = tag.find('-', dash + 1))
    if (strncmp(tag.c_str() + dash + 1, word, n) == 0 &&
        (dash + 1 + n == tag.size() || tag[dash + 1 + n] == '-'))
      return true;
  return false;
}

// Is word one of the blank-separated words of list?
bool ListHolds(const char* list, const std::string& word) {
  for (const char* p = list; *p;) {
    size_t n = strcspn(p, " ");
    if (n == word.size() && word.compare(0, n, p, n) == 0) return true;
    p += n;
    p += strspn(p, " ");
  }
  return false;
}
}  // namespace

int AnsiCodePageOf(const char* tag) {
  std::string own(tag);
  for (char& c : own) c = c == '_' ? '-' : LowerAscii(c);
  std::string primary = own.substr(0, own.find('-'));
  if (primary == "zh")
    return HasSubtag(own, "hant") || HasSubtag(own, "tw") || HasSubtag(own, "hk") || HasSubtag(own, "mo")
               ? 950
               : 936;
  if (HasSubtag(own, "cyrl")) return 1251;
  for (const auto& row : kCodePages)
    if (ListHolds(row.languages, primary)) return row.codePage;
  return kUnknownCodePage;
}

}  // namespace check

// Matching the user's languages against a start menu's QXlanguage lines.
#include "menu/language_choice.h"

#include <string.h>

namespace menu {

namespace {

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
  return EqualsIgnoringAsciiCase(lineTag, lineTagLength, userTag);
}

void LanguageLines::OnLanguage(const char* value, bool afterEntry, int line) {
  if (afterEntry || count_ == kMax) return;
  LanguageLine& parsed = lines_[count_];
  if (!ParseLanguageValue(value, &parsed)) return;
  parsed.line = line;
  count_++;
}

int LanguageLines::Choose(const UserLanguages& user) const {
  for (int u = 0; u < user.count; u++) {
    for (int i = 0; i < count_; i++) {
      if (ListHoldsTag(lines_[i].tags.c_str(), user.tag[u])) return i;
    }
    Text primary = PrimaryLanguage(user.tag[u]);
    for (int i = 0; i < count_; i++) {
      if (ListHoldsTag(lines_[i].tags.c_str(), primary.c_str())) return i;
    }
  }
  return -1;
}

}  // namespace menu

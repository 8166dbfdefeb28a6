// Section headers and key lines of an .ini file.
#include "menu/profile_section.h"

#include <string.h>

#include "base/text.h"

namespace profile {

namespace {

// The trimmed part of line[from, to) as a span of the line.
Span Trimmed(const char* line, size_t from, size_t to) {
  Span span;
  TrimRange(line + from, to - from, nullptr, &span.begin, &span.end);
  span.begin += from, span.end += from;
  return span;
}

}  // namespace

LineType SplitLine(const char* line, Span* name, Span* value) {
  Span all = Trimmed(line, 0, strlen(line));
  char first = line[all.begin];  // the zero at the end when the line is blank
  if (!first || first == ';') return LineType::kOther;
  bool section = first == '[';
  const char* stop = strchr(line + all.begin, section ? ']' : '=');
  if (!section && !stop) return LineType::kOther;
  size_t at = stop ? (size_t)(stop - line) : all.end;
  *name = Trimmed(line, all.begin + section, at);
  if (section) return LineType::kSection;
  *value = Trimmed(line, at + 1, all.end);
  char quote = line[value->begin];
  if (value->end - value->begin >= 2 && (quote == '"' || quote == '\'') && line[value->end - 1] == quote) {
    value->begin++, value->end--;
  }
  return LineType::kKey;
}

bool SameName(const char* line, const Span& part, const char* name) {
  for (size_t i = part.begin; i < part.end; i++, name++) {
    if (!*name || LowerAscii(line[i]) != LowerAscii(*name)) return false;
  }
  return !*name;
}

}  // namespace profile

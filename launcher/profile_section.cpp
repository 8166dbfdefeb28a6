// Section headers, key lines and the values of one section of an .ini file.
#include "profile_section.h"

#include <string.h>

namespace profile {

namespace {

// The trimmed part of line[from, to) as a span of the line.
Span Trimmed(const char* line, size_t from, size_t to, LeadByteTest isLeadByte) {
  Span span;
  TrimRange(line + from, to - from, isLeadByte, &span.begin, &span.end);
  span.begin += from, span.end += from;
  return span;
}

// Names of sections and keys compare without regard to the case of ASCII letters;
// the launcher's names are all ASCII.
bool SameName(const char* line, const Span& span, const char* name) {
  for (size_t i = span.begin; i < span.end; i++, name++) {
    if (!*name || LowerAscii(line[i]) != LowerAscii(*name)) return false;
  }
  return !*name;
}

}  // namespace

LineType SplitLine(const char* line, LeadByteTest isLeadByte, Span* name, Span* value) {
  Span all = Trimmed(line, 0, strlen(line), isLeadByte);
  char first = line[all.begin];  // the zero at the end when the line is blank
  if (!first || first == ';') return LineType::kOther;
  bool section = first == '[';
  const char* stop = FindCharacter(line + all.begin + section, section ? ']' : '=', isLeadByte);
  if (!section && !stop) return LineType::kOther;
  size_t at = stop ? (size_t)(stop - line) : all.end;
  *name = Trimmed(line, all.begin + section, at, isLeadByte);
  if (section) return LineType::kSection;
  *value = Trimmed(line, at + 1, all.end, isLeadByte);
  char quote = line[value->begin];
  if (value->end - value->begin >= 2 && (quote == '"' || quote == '\'') && line[value->end - 1] == quote) {
    value->begin++, value->end--;
  }
  return LineType::kKey;
}

bool ReadSection(menu::LineReader& reader, const char* section, const char* const* keys, int count,
                 size_t limit, LeadByteTest isLeadByte, Text* values) {
  unsigned long found = 0;  // one bit per key
  bool inside = false;
  const char* line;
  size_t length;
  for (;;) {
    menu::LineReader::Status status = reader.Next(&line, &length);
    if (status != menu::LineReader::kLine) return status == menu::LineReader::kEnd;
    Span name, value;
    LineType type = SplitLine(line, isLeadByte, &name, &value);
    if (type == LineType::kSection) {
      if (inside) return true;  // the first section of that name is the one that counts
      inside = SameName(line, name, section);
    } else if (type == LineType::kKey && inside) {
      for (int i = 0; i < count; i++) {
        if ((found >> i & 1) || !SameName(line, name, keys[i])) continue;
        found |= 1UL << i;
        // A byte count, as the ANSI function's buffer cuts it.
        size_t kept = value.end - value.begin;
        values[i].Assign(line + value.begin, kept < limit ? kept : limit);
      }
    }
  }
}

}  // namespace profile

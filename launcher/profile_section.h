// An .ini file as the system's profile reader sees it: section headers, key lines,
// and the values of keys of one section.
#pragma once
#include <stddef.h>

#include "menu_reader.h"
#include "text.h"

namespace profile {

// A part of a line: [begin, end).
struct Span {
  size_t begin = 0, end = 0;
};

enum class LineType {
  kOther,    // empty, a comment (";" first) or without "="
  kSection,  // "[" first: *name is the name up to the first "]" (or the line's end)
  kKey,      // *name is the key before the first "=", *value the value after it
};

// How the profile reader sees a line: trimmed, then by its first character. Names
// and values are trimmed; a value loses a pair of enclosing quotes.
LineType SplitLine(const char* line, LeadByteTest isLeadByte, Span* name, Span* value);

// Reads the lines of a file and looks up keys (at most 32) in the first section of
// that name, as the system's profile reader does: names matched without regard to
// case, the first of two equal keys counting, values cut to limit bytes. values[i]
// receives the value of keys[i] when the key is there and keeps what it held when not.
// False on a read error; what was found before it stands.
bool ReadSection(menu::LineReader& reader, const char* section, const char* const* keys, int count,
                 size_t limit, LeadByteTest isLeadByte, Text* values);

}  // namespace profile

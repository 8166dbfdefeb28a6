// Lines of an .ini file as the system's profile reader sees them: section headers
// and key lines, and names compared as it compares them.
#pragma once
#include <stddef.h>

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
// and values are trimmed; a value loses a pair of enclosing quotes. No double-byte
// code page has "=", a quote or white space as the trail byte of a character, so the
// line is read byte by byte.
LineType SplitLine(const char* line, Span* name, Span* value);

// Is the part of the line the name, without regard to the case of ASCII letters?
bool SameName(const char* line, const Span& part, const char* name);

}  // namespace profile

// Lines of a menu file as Windows' own profile reader sees them (the reader of
// [autorun] and [Messages]): blanks around names trimmed, names in any case.
#pragma once
#include <string>

namespace check {

// True when the line is a section header; *name gets the section's name.
bool SectionOf(const std::string& line, std::string* name);
// True when the line is a key line; *key and *value get its trimmed parts, the
// value without a pair of enclosing quotes.
bool KeyValueOf(const std::string& line, std::string* key, std::string* value);

}  // namespace check

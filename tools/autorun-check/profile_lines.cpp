// Section headers and key lines the way the system's profile reader splits them:
// the launcher's own rules (profile_section.h) for std::string lines.
#include "profile_lines.h"

#include "menu/profile_section.h"

namespace check {

bool SectionOf(const std::string& line, std::string* name) {
  profile::Span key, value;
  if (profile::SplitLine(line.c_str(), &key, &value) != profile::LineType::kSection) return false;
  *name = line.substr(key.begin, key.end - key.begin);
  return true;
}

bool KeyValueOf(const std::string& line, std::string* key, std::string* value) {
  profile::Span name, text;
  if (profile::SplitLine(line.c_str(), &name, &text) != profile::LineType::kKey) return false;
  *key = line.substr(name.begin, name.end - name.begin);
  *value = line.substr(text.begin, text.end - text.begin);
  return true;
}

}  // namespace check

// Section headers and key lines the way the system's profile reader splits them.
#include "profile_lines.h"

#include "text.h"

namespace check {

std::string TrimBlanks(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsTrimSpace(text[begin])) ++begin;
  while (end > begin && IsTrimSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool SectionOf(const std::string& line, std::string* name) {
  std::string trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed[0] != '[') return false;
  size_t close = trimmed.find(']');
  *name = TrimBlanks(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

bool KeyValueOf(const std::string& line, std::string* key, std::string* value) {
  std::string text = TrimBlanks(line);
  if (text.empty() || text[0] == ';' || text[0] == '[') return false;
  size_t equals = text.find('=');
  if (equals == std::string::npos) return false;
  *key = TrimBlanks(text.substr(0, equals));
  *value = TrimBlanks(text.substr(equals + 1));
  if (value->size() >= 2 && ((*value)[0] == '"' || (*value)[0] == '\'') && value->back() == (*value)[0])
    *value = value->substr(1, value->size() - 2);
  return true;
}

}  // namespace check

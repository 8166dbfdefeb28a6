// Reads the Messages section as Windows' profile reader does: section and key
// names trimmed and matched without regard to case, the first of two equal keys
// counting, a value in a pair of quotes returned without them, 511 characters kept.
#include "message_section.h"

#include <strings.h>

#include <set>

#include "message_keys.h"
#include "profile_lines.h"

namespace check {

namespace {
const char kSection[] = "Messages";
}  // namespace

void CheckMessageSection(const std::vector<ScannedLine>& lines, const std::string& file, bool startFile,
                         std::vector<Warning>* warnings) {
  auto warn = [&](int line, const std::string& text) { warnings->push_back({file, line, text}); };
  bool inSection = false;
  std::set<std::string> seen;
  for (const ScannedLine& line : lines) {
    std::string section;
    if (SectionOf(line.text, &section)) {
      inSection = strcasecmp(section.c_str(), kSection) == 0;
      if (inSection && !startFile)
        warn(line.number,
             "the launcher reads Messages only from the disc's autorun.inf; this section changes nothing");
      continue;
    }
    if (!inSection || !startFile) continue;
    std::string key, value;
    if (!KeyValueOf(line.text, &key, &value)) continue;
    const MessageKey* known = FindMessageKey(key);
    if (!known) {
      const MessageKey* nearest = NearestMessageKey(key);
      if (nearest)
        warn(line.number, "unknown Messages key '" + key + "'; did you mean '" + nearest->name + "'?");
      else
        warn(line.number,
             "unknown Messages key '" + key +
                 "'; the launcher reads QuitButton, AboutBoxTitle, "
                 "AboutBoxMenu, ErrorStartMsg, ErrorOpenMsg, ErrorMsg, SelectItem, NoneText and AutoStart");
      continue;
    }
    if (!seen.insert(known->name).second) {
      warn(line.number, std::string("the key ") + known->name + " is given twice; the first one counts");
      continue;
    }
    if (value.empty())
      warn(line.number, std::string(known->name) +
                            " is empty: the launcher shows no text there (remove the line "
                            "to keep \"" +
                            known->defaultText + "\")");
    else if (value.size() > kMessageLimit)
      warn(line.number, std::string(known->name) + " is longer than " + std::to_string(kMessageLimit) +
                            " characters; the launcher keeps the first " + std::to_string(kMessageLimit));
  }
}

}  // namespace check

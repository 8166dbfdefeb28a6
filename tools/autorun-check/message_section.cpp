// The Messages section as Windows' profile reader reads it, through the launcher's own
// walk: names matched without regard to case, only the first section of that name and
// the first of two equal keys counting, 511 characters of a text kept.
#include "message_section.h"

#include "menu/message_walk.h"
#include "message_keys.h"

namespace check {

void CheckMessageSection(const std::vector<ScannedLine>& lines, const std::string& file, bool startFile,
                         std::vector<Warning>* warnings) {
  auto warn = [&](int line, const std::string& text) { warnings->push_back({file, line, text}); };
  messages::SectionWalk walk;
  for (const ScannedLine& line : lines) {
    profile::Span name, text;
    int index = -1;
    messages::LineUse use = walk.Next(line.text.c_str(), &name, &text, &index);
    if (use == messages::LineUse::kSection || use == messages::LineUse::kLaterSection) {
      if (!startFile)
        warn(line.number,
             "the launcher reads Messages only from the disc's autorun.inf; this section changes nothing");
      continue;
    }
    if (!startFile || use == messages::LineUse::kNone) continue;
    std::string key = line.text.substr(name.begin, name.end - name.begin);
    std::string value = line.text.substr(text.begin, text.end - text.begin);
    if (use == messages::LineUse::kUnread) {
      warn(line.number,
           "the key '" + key + "' is in a second Messages section, which the launcher never reads" +
               " (it reads only the section of line " + std::to_string(walk.sectionLine()) + ")");
      continue;
    }
    if (use == messages::LineUse::kUnknown) {
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
    const MessageKey& known = MessageKeyAt(index);
    if (use == messages::LineUse::kRepeated) {
      warn(line.number, std::string("the key ") + known.name + " is given twice; the first one counts");
      continue;
    }
    if (value.empty())
      warn(line.number, std::string(known.name) +
                            " is empty: the launcher shows no text there (remove the line "
                            "to keep \"" +
                            known.defaultText + "\")");
    else if (value.size() > kMessageLimit)
      warn(line.number, std::string(known.name) + " is longer than " + std::to_string(kMessageLimit) +
                            " characters; the launcher keeps the first " + std::to_string(kMessageLimit));
  }
}

}  // namespace check

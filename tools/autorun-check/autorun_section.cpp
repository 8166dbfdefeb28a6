// What Windows takes from [autorun]: open= for the AutoPlay dialog's choice,
// and the keys worms used, which make antivirus programs suspicious of a disc.
#include "autorun_section.h"

#include <string.h>
#include <strings.h>

#include "profile_lines.h"

namespace check {

namespace {
const char kSection[] = "autorun";
const char kLauncher[] = "autorun.exe";

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

// Verbs that take over a double-click on the drive: what worms set.
bool IsHijackVerb(const std::string& lowerKey) {
  static const char* const kVerbs[] = {"shell\\open\\", "shell\\explore\\", "shell\\autoplay\\",
                                       "shell\\find\\"};
  for (const char* verb : kVerbs)
    if (lowerKey.compare(0, strlen(verb), verb) == 0) return true;
  return false;
}
}  // namespace

void CheckAutorunSection(const std::vector<ScannedLine>& lines, const std::string& file,
                         std::vector<Warning>* warnings) {
  auto warn = [&](int line, const std::string& text) { warnings->push_back({file, line, text}); };
  bool inSection = false, sawOpen = false;
  for (const ScannedLine& line : lines) {
    std::string section, key, value;
    if (SectionOf(line.text, &section)) {
      inSection = strcasecmp(section.c_str(), kSection) == 0;
      continue;
    }
    if (!inSection || !KeyValueOf(line.text, &key, &value)) continue;
    std::string lower = Lower(key);
    if (lower == "open" && !sawOpen) {
      sawOpen = true;
      std::string program = Lower(value.substr(0, value.find(' ')));
      size_t slash = program.find_last_of("\\/");
      if ((slash == std::string::npos ? program : program.substr(slash + 1)) != kLauncher)
        warn(line.number, "open= starts '" + value +
                              "', not the menu: write open=autorun.exe so that the AutoPlay "
                              "dialog offers the menu");
    } else if (lower == "shellexecute" || lower == "useautoplay" || IsHijackVerb(lower)) {
      warn(line.number, "antivirus programs flag the key '" + key +
                            "', which worms use to take over the drive; "
                            "use the launcher's QXshell lines and a verb of your own");
    }
  }
  if (!sawOpen)
    warn(0, "no open= line in [autorun]: write open=autorun.exe so that the AutoPlay dialog offers the menu");
}

}  // namespace check

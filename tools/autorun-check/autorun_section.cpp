// What Windows takes from [autorun]: open= and action= for the AutoPlay dialog's
// choice, and the keys worms used, which make antivirus programs suspicious of a disc.
#include "autorun_section.h"

#include <string.h>
#include <strings.h>

#include "lead_bytes.h"
#include "profile_lines.h"

namespace check {

namespace {
const char kSection[] = "autorun";
const char kLauncher[] = "autorun.exe";

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
                         LeadByteTest isLeadByte, std::vector<Warning>* warnings) {
  auto warn = [&](int line, const std::string& text) { warnings->push_back({file, line, text}); };
  bool inSection = false, sawOpen = false, openIsMenu = false, sawAction = false;
  for (const ScannedLine& line : lines) {
    std::string section, key, value;
    if (SectionOf(line.text, &section)) {
      inSection = strcasecmp(section.c_str(), kSection) == 0;
      continue;
    }
    if (!inSection || !KeyValueOf(line.text, &key, &value)) continue;
    std::string lower = LowerName(key, isLeadByte);
    if (lower == "open" && !sawOpen) {
      sawOpen = true;
      std::string program = LowerName(value.substr(0, value.find(' ')), isLeadByte);
      // The file name after the last "\" or "/" ("\" may end a double-byte character).
      const char* backslash = FindLastCharacter(program.c_str(), '\\', isLeadByte);
      size_t start = backslash ? backslash - program.c_str() + 1 : 0;
      size_t slash = program.rfind('/');
      if (slash != std::string::npos && slash + 1 > start) start = slash + 1;
      openIsMenu = program.substr(start) == kLauncher;
      if (!openIsMenu)
        warn(line.number, "open= starts '" + value +
                              "', not the menu: write open=autorun.exe so that the AutoPlay "
                              "dialog offers the menu");
    } else if (lower == "action") {
      sawAction = true;
    } else if (lower == "shellexecute" || lower == "useautoplay" || IsHijackVerb(lower)) {
      warn(line.number, "antivirus programs flag the key '" + key +
                            "', which worms use to take over the drive; "
                            "use the launcher's QXshell lines and a verb of your own");
    }
  }
  if (!sawOpen)
    warn(0,
         "no open= line in [autorun]: write open=autorun.exe so that the AutoPlay dialog offers the menu, "
         "and action= with the words it shows for it");
  else if (openIsMenu && !sawAction)
    warn(0,
         "no action= line in [autorun]: write the words the AutoPlay dialog shows for the menu, such as "
         "action=Open the menu of this disc; without them it names only the program");
}

}  // namespace check

// What Windows takes from [autorun]: open= for the AutoPlay dialog's choice, action=
// on the drives that read it, and the keys worms used, which make antivirus programs
// suspicious of a disc.
#include "autoplay_rules.h"

#include <ctype.h>
#include <string.h>
#include <strings.h>

#include "letter_case.h"
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

namespace {
const char kSection[] = "autorun";
const char kLauncher[] = "autorun.exe";
const char kNamedExample[] = "action=Start the My product menu (Example Ltd)";

// Verbs that take over a double-click on the drive: what worms set.
bool IsHijackVerb(const std::string& lowerKey) {
  static const char* const kVerbs[] = {"shell\\open\\", "shell\\explore\\", "shell\\autoplay\\",
                                       "shell\\find\\"};
  for (const char* verb : kVerbs)
    if (lowerKey.compare(0, strlen(verb), verb) == 0) return true;
  return false;
}

// The text in lower case (ASCII), with each run of blanks made one blank.
std::string Folded(const std::string& text) {
  std::string folded;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      if (!folded.empty() && folded.back() != ' ') folded += ' ';
    } else {
      folded += static_cast<char>(tolower(static_cast<unsigned char>(c)));
    }
  }
  return folded;
}
}  // namespace

bool CopiesWindowsChoice(const std::string& action) {
  // What Windows' AutoPlay dialogs offer themselves (XP to 11), and its file manager.
  static const char* const kChoices[] = {
      "open folder to view files",
      "open device to view files",
      "install or run program",
      "take no action",
      "import pictures and videos",
      "import photos and videos",
      "play audio cd",
      "burn files to disc",
      "speed up my system",
      "configure storage settings",
      "windows explorer",
      "file explorer",
  };
  std::string folded = Folded(action);
  for (const char* choice : kChoices)
    if (folded.find(choice) != std::string::npos) return true;
  return false;
}

bool NamesSomething(const std::string& action, LeadByteTest isLeadByte) {
  // A name is a word with a capital letter after its first character (ACME, MyProduct),
  // one that begins with a digit or with a capital after the first word (a sentence's
  // first word has one anyway), or a double-byte character.
  bool firstWord = true;
  size_t at = 0;
  while (at < action.size()) {
    while (at < action.size() && !isalnum(static_cast<unsigned char>(action[at])) &&
           !(static_cast<unsigned char>(action[at]) >= 0x80)) {
      if (action[at] == ' ' || action[at] == '\t') firstWord = false;
      ++at;
    }
    size_t end = at;
    while (end < action.size() && action[end] != ' ' && action[end] != '\t') ++end;
    if (at < end) {
      unsigned char first = action[at];
      if (isdigit(first) || (isupper(first) && !firstWord)) return true;
      for (size_t i = at; i < end; ++i) {
        unsigned char c = action[i];
        if ((i > at && isupper(c)) || (isLeadByte && isLeadByte(c))) return true;
      }
    }
    at = end;
  }
  return false;
}

void JudgeAutorunSection(const std::vector<ScannedLine>& lines, const std::string& file,
                         LeadByteTest isLeadByte, std::vector<Warning>* warnings,
                         std::vector<Warning>* notes) {
  auto warn = [&](int line, const std::string& text) { warnings->push_back({file, line, text}); };
  bool inSection = false, sawOpen = false, sawAction = false;
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
      if (program.substr(start) != kLauncher)
        warn(line.number, "open= starts '" + value +
                              "', not the menu: write open=autorun.exe so that the AutoPlay "
                              "dialog offers the menu");
    } else if (lower == "action" && !sawAction) {
      // Windows reads it only as the text of the choice that starts open=, and only on
      // drives whose AutoPlay no longer offers that choice.
      sawAction = true;
      notes->push_back({file, line.number,
                        "Windows reads action= only on removable and fixed drives, which have offered no "
                        "program of autorun.inf since Windows 7; on a CD or DVD the AutoPlay dialog names "
                        "the program of open= and the publisher of its signature instead"});
      if (!value.empty() && value[0] == '@') continue;  // a text from a program's resources
      if (CopiesWindowsChoice(value))
        warn(line.number, "action= '" + value +
                              "' copies one of Windows' own AutoPlay choices, as worms did, and antivirus "
                              "programs look for that: name your program and its maker, such as " +
                              kNamedExample);
      else if (!NamesSomething(value, isLeadByte))
        warn(line.number, "action= '" + value +
                              "' names no program and no maker: Windows shows it among its own choices, "
                              "so name both, such as " +
                              kNamedExample);
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

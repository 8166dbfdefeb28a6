// The file's lines through the launcher's own line reader and classifier, beside the
// document it made of them.
#include "line_rules.h"

#include <string.h>
#include <strings.h>

#include "letter_case.h"
#include "menu/menu_keys.h"
#include "rule_words.h"

namespace check {

namespace {
// The key part of a key line: the text before its first "=".
std::string KeyOf(const std::string& line) {
  return line.substr(0, line.find('='));
}

// Does the key hold "\command"? Its "\" may not be the second byte of a character.
bool KeyNamesCommand(const std::string& key, LeadByteTest isLeadByte) {
  std::string lower = LowerName(key, isLeadByte);
  for (const char* p = lower.c_str(); (p = FindCharacter(p, '\\', isLeadByte)); ++p)
    if (strncmp(p, "\\command", 8) == 0) return true;
  return false;
}

const ScannedLine* LineAt(const MenuFile& file, int number) {
  if (number < 1 || number > static_cast<int>(file.lines.size())) return nullptr;
  return &file.lines[number - 1];
}
}  // namespace

void JudgeLines(const MenuFile& file, std::vector<Warning>* warnings) {
  FileWarnings w(file.name, warnings);
  const menu::MenuDocument& document = *file.document;
  const LeadByteTest isLeadByte = file.isLeadByte;
  const bool entryLimit = document.result == menu::ReadResult::kEntryLimit;
  const int lastEntryLine = document.entryCount ? document.entries[document.entryCount - 1].command.line : 0;

  if (file.utf16WithoutMark)
    w.Warn(1,
           "the file seems to be UTF-16 without a byte-order mark; the launcher reads it as "
           "ANSI and finds no keys in it (save it as UTF-8, or as Unicode with its mark)");

  for (const ScannedLine& line : file.lines) {
    if (line.kind == menu::LineKind::kOtherKey && !line.text.empty() && IsTrimSpace(line.text[0])) {
      size_t start = line.text.find_first_not_of(" \t\v\f\r");
      Text ignored;
      menu::LineKind hidden = menu::ClassifyLine(line.text.c_str() + start, isLeadByte, &ignored);
      if (menu::IsMenuKey(hidden))
        w.Warn(line.number, "the line starts with a blank, so the launcher does not see its key " +
                                Quoted(KeyOf(line.text.substr(start))));
    }
    if (line.kind == menu::LineKind::kShell && strncasecmp(line.text.c_str(), "shellex", 7) == 0 &&
        (!entryLimit || line.number <= lastEntryLine))
      w.Warn(line.number,
             "the key " + Quoted(KeyOf(line.text)) +
                 " begins with 'shell', so the launcher takes the line as a menu caption or command");
  }

  // Captions and commands pair strictly; say where the AutoRun names first disagree.
  for (int i = 0; i < document.entryCount; ++i) {
    const ScannedLine* caption = LineAt(file, document.entries[i].caption.line);
    const ScannedLine* command = LineAt(file, document.entries[i].command.line);
    std::string entry = "entry " + std::to_string(i + 1);
    if (caption && KeyNamesCommand(KeyOf(caption->text), isLeadByte)) {
      w.Warn(caption->number,
             "captions and commands are paired out of step from here: " + Quoted(KeyOf(caption->text)) +
                 " names a command but the launcher takes it as the caption of " + entry);
      break;
    }
    if (command && strncasecmp(command->text.c_str(), "shell", 5) == 0 &&
        !KeyNamesCommand(KeyOf(command->text), isLeadByte)) {
      w.Warn(command->number,
             "captions and commands are paired out of step from here: " + Quoted(KeyOf(command->text)) +
                 " is taken as the command of " + entry + " (captions come first, then a \\command line)");
      break;
    }
  }

  if (document.waitingCaption.line)
    w.Warn(document.waitingCaption.line, "the caption " + Quoted(document.waitingCaption.value.c_str()) +
                                             " has no command after it; no button is made for it");

  if (entryLimit) {
    int shellLines = 0, otherKeys = 0, first = 0;
    for (const ScannedLine& line : file.lines) {
      if (line.number <= lastEntryLine || !menu::IsMenuKey(line.kind)) continue;
      if (!first) first = line.number;
      if (line.kind == menu::LineKind::kShell)
        ++shellLines;
      else
        ++otherKeys;
    }
    if (first) {
      std::string text = "the menu holds " + std::to_string(menu::kMaxEntries) + " entries already; ";
      int entries = (shellLines + 1) / 2;
      if (shellLines) text += std::to_string(entries) + (entries == 1 ? " more entry " : " more entries ");
      if (shellLines && otherKeys) text += "and ";
      if (otherKeys)
        text +=
            std::to_string(otherKeys) + (otherKeys == 1 ? " other launcher line " : " other launcher lines ");
      w.Warn(first, text + "from here on are ignored");
    }
  }
}

}  // namespace check

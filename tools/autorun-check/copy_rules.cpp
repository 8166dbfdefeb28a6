// Copy directives through the launcher's own parser and path checks
// (menu/copy_directive.h), their refusals in words.
#include "copy_rules.h"

#include "menu/copy_directive.h"
#include "rule_words.h"

namespace check {

std::string CopyRefusal(const std::string& source, const std::string& destination, std::string* discSource,
                        LeadByteTest isLeadByte) {
  Text onDisc;
  switch (menu::CheckCopyPaths(source.c_str(), destination.c_str(), &onDisc, isLeadByte)) {
    case menu::CopyRefusal::kNone:
      *discSource = onDisc.c_str();
      return "";
    case menu::CopyRefusal::kSourceOffDisc:
      return "takes its source from off the disc (a network or NT path, a drive, a variable, \"..\" above "
             "the "
             "root, a device or a wildcard): the launcher copies only the disc's own files, and copies "
             "nothing";
    case menu::CopyRefusal::kDestinationOffLimits:
      break;
  }
  return "copies to a network or NT path, a device or a name with a wildcard: the launcher copies nothing "
         "(a copy runs while the menu loads, before any click)";
}

void JudgeCopies(const MenuFile& file, std::vector<Warning>* warnings) {
  FileWarnings w(file.name, warnings);
  for (const menu::DocumentLine* line = file.document->lines(); line; line = line->next) {
    if (line->kind != menu::DocumentLine::kCopy) continue;
    std::string value = line->value.c_str();
    Text source, destination;
    switch (menu::ParseCopyDirective(value.c_str(), kWindowsDir, &source, &destination, file.isLeadByte)) {
      case menu::CopyOutcome::kCopy: {
        std::string discSource;
        std::string refusal = CopyRefusal(source.c_str(), destination.c_str(), &discSource, file.isLeadByte);
        if (!refusal.empty()) w.Warn(line->line, "the copy " + Quoted(value) + " " + refusal);
        break;
      }
      case menu::CopyOutcome::kNoFolder:
        w.Warn(line->line, "the copy directive " + Quoted(value) +
                               " names no folder (write source|folder); the launcher copies nothing");
        break;
      case menu::CopyOutcome::kValueTooLong:
        w.Warn(line->line, "the copy directive is longer than " + std::to_string(menu::kCopyValueLimit) +
                               " characters; the launcher copies nothing");
        break;
      case menu::CopyOutcome::kDestinationTooLong:
        w.Warn(line->line, "the copy destination is longer than " +
                               std::to_string(menu::kCopyDestinationLimit) +
                               " characters; the launcher copies nothing");
        break;
      case menu::CopyOutcome::kOutOfMemory:
        w.Warn(line->line, "out of memory reading the copy directive");
        break;
    }
  }
}

void JudgeCopySources(const MenuView& menu, const DiscFiles& files, std::vector<Warning>* warnings) {
  for (const MenuItem& item : menu.items) {
    if (item.type != MenuItem::kCopy || item.copySource.empty() || IsOutsideDisc(item.copySource)) continue;
    if (files.FindFile(item.copySource).empty())
      warnings->push_back(
          {menu.file, item.line, "the copy source '" + item.copySource + "' is not on the disc"});
  }
}

}  // namespace check

// The launcher's refusals of a menu's paths, as warnings.
#include "path_rules.h"

#include "menu/copy_directive.h"
#include "menu/disc_path.h"

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

std::string UnknownConditionReason(const menu::Condition& condition) {
  const char* body = condition.text.c_str();
  if (*body == '!') body++;
  if (StartsWithIgnoringAsciiCase(body, "registry:"))
    return "names a registry root that is not known (HKLM, HKCU or HKCR); it holds everywhere";
  return "is not known; it holds everywhere (known: 32-bit, 64-bit, x64, arm64, windows>=V, windows<V, "
         "exists:, missing:, language:, registry:)";
}

namespace {

void WarnAtLink(const DiscFiles& files, const std::string& discPath, const std::string& what, int line,
                const std::string& menuFile, std::vector<Warning>* warnings) {
  std::string link = files.LinkOn(discPath);
  if (!link.empty())
    warnings->push_back({menuFile, line,
                         what + " '" + discPath + "' runs through the symbolic link '" + link +
                             "', which Windows would follow off the disc: the launcher will refuse it"});
}

}  // namespace

void WarnAtLinks(const MenuView& menu, const DiscFiles& files, std::vector<Warning>* warnings) {
  for (const LanguageView& language : menu.languages) {
    Text discPath;
    if (menu::ResolveDiscPath(language.file.c_str(), "", &discPath) == menu::DiscPathProblem::kNone)
      WarnAtLink(files, discPath.c_str(), "the language file", language.line, menu.file, warnings);
  }
  for (const MenuItem& item : menu.items) {
    if (item.type == MenuItem::kCopy && !item.copySource.empty())
      WarnAtLink(files, item.copySource, "the copy source", item.line, menu.file, warnings);
    if (item.type != MenuItem::kEntry) continue;
    if (!item.picturePath.empty())
      WarnAtLink(files, item.picturePath, "the picture", item.pictureLine, menu.file, warnings);
    if (item.view.kind == CommandKind::kPage || item.view.kind == CommandKind::kPopup)
      WarnAtLink(files, item.view.target, "the menu file", item.line, menu.file, warnings);
    // Conditions: the disc paths without variables; the others are the machine's.
    const char* value = item.condition.c_str();
    menu::Condition condition;
    while (menu::NextCondition(&value, &condition)) {
      Text discPath;
      if ((condition.kind == menu::ConditionKind::kExists ||
           condition.kind == menu::ConditionKind::kMissing) &&
          menu::ResolveDiscPath(condition.argument.c_str(), "", &discPath) == menu::DiscPathProblem::kNone)
        WarnAtLink(files, discPath.c_str(), "the condition's path", item.line, menu.file, warnings);
    }
  }
}

}  // namespace check

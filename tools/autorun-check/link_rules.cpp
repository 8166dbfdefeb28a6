// Paths through symbolic links, which Windows would follow off the disc.
#include "link_rules.h"

#include "menu/disc_path.h"
#include "menu/entry_condition.h"

namespace check {

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

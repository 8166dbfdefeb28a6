// Commands as the launcher carries them out, checked against the disc's files.
#include "command_rules.h"

#include <algorithm>

#include "letter_case.h"
#include "rule_words.h"

namespace check {

std::vector<MenuToOpen> JudgeCommands(const MenuView& menu, const DiscFiles& files,
                                      const std::vector<std::string>& popupChain,
                                      std::vector<Warning>* warnings) {
  FileWarnings w(menu.file, warnings);
  const std::string& here = popupChain.back();
  std::vector<MenuToOpen> next;
  for (const MenuItem& item : menu.items) {
    if (item.type != MenuItem::kEntry) continue;
    for (const std::string& note : item.view.notes) w.Warn(item.line, note);
    const CommandView& view = item.view;
    if (view.kind == CommandKind::kPage || view.kind == CommandKind::kPopup) {
      bool isPopup = view.kind == CommandKind::kPopup;
      std::string target = files.DiscSpelling(view.target);
      if (target.empty()) {
        w.Warn(item.line, "the menu file '" + view.target + "' of this " + (isPopup ? "popup" : "page") +
                              " is not on the disc");
        continue;
      }
      std::string lower = LowerName(target, nullptr);
      if (!isPopup && !menu.popup && lower == here) {
        w.Warn(item.line, "the entry reloads the page it is on");
        continue;
      }
      if (isPopup && std::find(popupChain.begin(), popupChain.end(), lower) != popupChain.end()) {
        std::string circle;
        for (const std::string& f : popupChain) circle += f + " -> ";
        w.Warn(item.line, "popups form a circle: " + circle + lower);
        continue;
      }
      next.push_back({view.target, isPopup, menu.file + ":" + std::to_string(item.line)});
    } else if (view.onDisc && files.FindFile(view.target).empty()) {
      w.Warn(item.line, std::string(KindName(view.kind)) + " '" + view.target + "' is not on the disc");
    }
  }
  return next;
}

}  // namespace check

// Rules on what each entry's command starts or opens: the advice of its command view
// (command_kind.h), the program, document or menu file it names on the disc, a page that
// reloads itself and popups that open each other in a circle.
#pragma once
#include <string>
#include <vector>

#include "disc_files.h"
#include "disc_report.h"

namespace check {

// A page or popup that an entry opens, for the pipeline to read next.
struct MenuToOpen {
  std::string file;  // as the command names it
  bool popup;
  std::string from;  // "file:line" of the command
};

// Warns about the menu's commands and answers the menus they open. popupChain: the files
// of the popups open when this menu is (lower case, as the disc spells them, outermost
// first), this menu's last.
std::vector<MenuToOpen> JudgeCommands(const MenuView& menu, const DiscFiles& files,
                                      const std::vector<std::string>& popupChain,
                                      std::vector<Warning>* warnings);

}  // namespace check

// Rules on the paths a menu names that the launcher reaches before any click (a
// picture, a copy's source, a page or popup, a language file, a condition's disc path):
// one that runs through a symbolic link on the disc is refused.
#pragma once
#include <vector>

#include "disc_files.h"
#include "disc_report.h"

namespace check {

// Warns, with its line, at each such path of the menu (in UTF-8).
void WarnAtLinks(const MenuView& menu, const DiscFiles& files, std::vector<Warning>* warnings);

}  // namespace check

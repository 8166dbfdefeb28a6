// Rules on a page's own keys: its reading direction, its icon list, its disc name.
#pragma once
#include <vector>

#include "disc_report.h"
#include "menu_file.h"

namespace check {

// A QXdirection value other than rtl or ltr; an icon list cut at its limit.
void JudgePageKeys(const MenuFile& file, std::vector<Warning>* warnings);
// A start menu without a QXName line keeps its auto-start choice under an empty name.
void JudgeDiscName(const MenuView& start, std::vector<Warning>* warnings);

}  // namespace check

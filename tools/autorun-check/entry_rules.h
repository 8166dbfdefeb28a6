// Rules on each entry of a menu and the next-entry keys it takes: its caption and
// command, the letter its caption underlines, its condition, run style and tip, and the
// next-entry lines that no entry took.
#pragma once
#include <vector>

#include "disc_report.h"
#include "menu_file.h"
#include "system.h"

namespace check {

// codePage: to compare underlined letters of an ANSI file as the characters they are.
void JudgeEntries(const MenuFile& file, DiscCodePage& codePage, std::vector<Warning>* warnings);

}  // namespace check

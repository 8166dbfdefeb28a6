// Rules on the lines of a menu file that the document passes over or takes otherwise
// than the author meant: keys behind a blank, "shellex" keys, captions and commands
// paired out of step, a caption without a command, the lines past the thirtieth entry,
// and UTF-16 without its byte-order mark.
#pragma once
#include <vector>

#include "disc_report.h"
#include "menu_file.h"

namespace check {

void JudgeLines(const MenuFile& file, std::vector<Warning>* warnings);

}  // namespace check

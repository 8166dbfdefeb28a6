// Rules on QXcopy lines: what the launcher's parser and its path checks refuse of a
// directive (it then copies nothing), and whether a copy's source is on the disc.
#pragma once
#include <string>
#include <vector>

#include "disc_files.h"
#include "disc_report.h"
#include "menu_file.h"

namespace check {

const char kWindowsDir[] = "C:\\WINDOWS";  // how a copy to %windir% is shown

// Why the launcher copies nothing from source to destination (as the directive's split
// gives them), or "" when it copies; *discSource is then the source from the disc's root.
std::string CopyRefusal(const std::string& source, const std::string& destination, std::string* discSource,
                        LeadByteTest isLeadByte);

// The directives the launcher copies nothing for, with the reason.
void JudgeCopies(const MenuFile& file, std::vector<Warning>* warnings);
// The sources of the copies that the launcher makes, on the disc.
void JudgeCopySources(const MenuView& menu, const DiscFiles& files, std::vector<Warning>* warnings);

}  // namespace check

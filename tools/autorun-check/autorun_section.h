// The [autorun] section as Windows reads it: whether its AutoPlay offers the
// menu, and the lines that antivirus programs take for a worm's.
#pragma once
#include <string>
#include <vector>

#include "menu_scan.h"

namespace check {

// Warnings about the disc's autorun.inf as Windows sees it (only for that file).
void CheckAutorunSection(const std::vector<ScannedLine>& lines, const std::string& file,
                         LeadByteTest isLeadByte, std::vector<Warning>* warnings);

}  // namespace check

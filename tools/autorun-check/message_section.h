// The Messages section of a menu file as the system's profile reader finds it:
// misspelt keys, keys given twice, empty and over-long texts.
#pragma once
#include <string>
#include <vector>

#include "menu_scan.h"

namespace check {

// Warnings about the file's Messages section. The launcher reads that section
// only from the disc's autorun.inf (startFile true); elsewhere it is ignored.
void CheckMessageSection(const std::vector<ScannedLine>& lines, const std::string& file, bool startFile,
                         std::vector<Warning>* warnings);

}  // namespace check

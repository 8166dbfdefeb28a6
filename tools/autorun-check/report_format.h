// Formats a disc report: aligned and readable for people, or one tab-separated
// record per line for scripts. Warnings read file:line: warning: text, and notes
// file:line: note: text. Every text is UTF-8.
#pragma once
#include <string>

#include "disc_report.h"
#include "dpi_scale.h"

namespace check {

enum class Format {
  kPlain,     // records for scripts
  kReadable,  // the aligned listing
  kTerminal,  // the aligned listing with bold file names and yellow warnings
};

// layoutDpi: the DPI of the screen the windows' sizes are given for (page_layout.h).
std::string FormatReport(const DiscReport& report, Format format, int layoutDpi = dpi::kBaseDpi);

}  // namespace check

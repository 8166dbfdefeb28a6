// Prints a disc report: aligned and readable for a terminal, or one
// tab-separated record per line for scripts. Warnings read file:line: warning: text.
#pragma once
#include <stdio.h>

#include "disc_check.h"

namespace check {

enum class Format { kTerminal, kPlain };

void PrintReport(const DiscReport& report, Format format, FILE* out);

}  // namespace check

// autorun-check: shows what the launcher will make of a disc folder or a menu
// file and warns about what a disc author should fix before burning.
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "disc_check.h"
#include "report_format.h"

namespace {
void PrintUsage(FILE* out) {
  fprintf(out,
          "usage: autorun-check [--plain] DISC_FOLDER_OR_MENU_FILE\n"
          "Shows each page and popup of the disc's menu as the launcher will show it and\n"
          "warns, with file:line:, about what to fix before burning.\n"
          "  --plain  one tab-separated record per line (the default when not on a terminal)\n"
          "A page's window size is given for a 1366 x 768 screen (a 728-pixel-high work area,\n"
          "32-pixel icons), with the columns its buttons flow into there.\n"
          "Exit status: 0 clean, 1 warnings, 2 the menu cannot be read.\n");
}
}  // namespace

int main(int argc, char** argv) {
  bool plain = !isatty(STDOUT_FILENO);
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--plain") == 0) {
      plain = true;
    } else if (strcmp(argv[i], "--help") == 0 || strcmp(argv[i], "-h") == 0) {
      PrintUsage(stdout);
      return 0;
    } else if (!path && argv[i][0] != '-') {
      path = argv[i];
    } else {
      PrintUsage(stderr);
      return 2;
    }
  }
  if (!path) {
    PrintUsage(stderr);
    return 2;
  }
  check::DiscReport report = check::CheckPath(path);
  if (!report.unreadable.empty()) {
    fprintf(stderr, "autorun-check: %s\n", report.unreadable.c_str());
    return 2;
  }
  check::PrintReport(report, plain ? check::Format::kPlain : check::Format::kTerminal, stdout);
  return check::ExitStatus(report);
}

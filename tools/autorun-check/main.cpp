// autorun-check: shows what the launcher will make of a disc folder or a menu
// file and warns about what a disc author should fix before burning.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "disc_check.h"
#include "page_layout.h"
#include "report_format.h"
#include "system.h"

namespace {
void PrintUsage(FILE* out) {
  fprintf(out,
          "usage: autorun-check [--plain | --readable] [--codepage N] [--dpi N] [--fresh-windows]\n"
          "                     [--language TAG] DISC_FOLDER_OR_MENU_FILE\n"
          "Shows each page and popup of the disc's menu as the launcher will show it and\n"
          "warns, with file:line:, about what to fix before burning.\n"
          "  --plain        one tab-separated record per line (the default when the output\n"
          "                 is not a terminal)\n"
          "  --readable     the aligned listing, also when the output is not a terminal\n"
          "  --codepage N   read the disc as a Windows whose ANSI code page is N does:\n"
          "                 1252 Western (the default%s), 1250 Central European,\n"
          "                 1251 Cyrillic, 1253 Greek, 932 Japanese, 936 Chinese (PRC),\n"
          "                 949 Korean, 950 Chinese (Taiwan), 65001 UTF-8, ...\n"
          "  --dpi N        give the windows' sizes at N dpi: 96 is 100 %% (the default),\n"
          "                 120 is 125 %%, 144 is 150 %%, 192 is 200 %%\n"
          "  --fresh-windows  compose command lines with the document associations of a\n"
          "                 fresh Windows 10 (the default%s)\n"
          "  --language TAG read the disc as a user whose Windows speaks TAG (de, de-CH,\n"
          "                 pt-BR) does: only the start menu that QXlanguage gives them;\n"
          "                 without it every language file is checked as a start menu\n"
          "The menu's texts are printed %s.\n"
          "A page's window size is given for a 1366 x 768 screen (a 728-pixel-high work area,\n"
          "32-pixel icons), with the columns its buttons flow into there.\n"
          "Exit status: 0 clean, 1 warnings, 2 the menu cannot be read.\n",
#ifdef _WIN32
          " is this system's own", " is this Windows' own", "in the console's characters");
#else
          "", " here", "in UTF-8");
#endif
}

// A code page number: digits only.
bool ParseCodePage(const char* text, unsigned* codePage) {
  if (!*text || strspn(text, "0123456789") != strlen(text) || strlen(text) > 5) return false;
  *codePage = static_cast<unsigned>(atoi(text));
  return *codePage > 0;
}

int Usage() {
  PrintUsage(stderr);
  check::KeepConsoleOpen();
  return 2;
}
}  // namespace

// The command line in UTF-8.
static int RunChecker(int argc, char** argv) {
  bool plain = false, readable = false;
  int layoutDpi = dpi::kBaseDpi;
  unsigned codePage = check::SystemCodePage();
  const char* path = nullptr;
  check::CheckOptions options;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--plain") == 0) {
      plain = true;
    } else if (strcmp(argv[i], "--readable") == 0) {
      readable = true;
    } else if (strcmp(argv[i], "--codepage") == 0 && i + 1 < argc) {
      if (!ParseCodePage(argv[++i], &codePage)) {
        fprintf(stderr, "autorun-check: '%s' is not a code page number\n", argv[i]);
        return Usage();
      }
    } else if (strcmp(argv[i], "--dpi") == 0 && i + 1 < argc) {
      int dpi = atoi(argv[++i]);
      if (dpi < 48 || dpi > 480 || strspn(argv[i], "0123456789") != strlen(argv[i])) {
        fprintf(stderr, "autorun-check: '%s' is not a DPI from 48 to 480\n", argv[i]);
        return Usage();
      }
      layoutDpi = dpi;
    } else if (strcmp(argv[i], "--fresh-windows") == 0) {
      options.freshWindows = true;
    } else if (strcmp(argv[i], "--language") == 0 && i + 1 < argc) {
      options.language = argv[++i];
      if (options.language.empty() || options.language.find_first_of(" \t,") != std::string::npos) {
        fprintf(stderr, "autorun-check: '%s' is not a language tag\n", argv[i]);
        return Usage();
      }
    } else if (strcmp(argv[i], "--help") == 0 || strcmp(argv[i], "-h") == 0) {
      PrintUsage(stdout);
      check::KeepConsoleOpen();
      return 0;
    } else if (!path && argv[i][0] != '-') {
      path = argv[i];
    } else {
      return Usage();
    }
  }
  if (!path || (plain && readable)) return Usage();
  std::unique_ptr<check::DiscCodePage> page = check::OpenCodePage(codePage);
  if (!page) {
    fprintf(stderr, "autorun-check: this system cannot convert code page %u\n", codePage);
    return 2;
  }
  check::DiscReport report = check::CheckPath(path, *page, options);
  if (!report.unreadable.empty()) {
    page->Write(stderr, "autorun-check: " + report.unreadable + "\n");  // it may quote a name
    check::KeepConsoleOpen();
    return 2;
  }
  check::Format format = check::Format::kPlain;
  if (readable || (!plain && check::IsTerminal(stdout)))
    format = check::StartColours(stdout) ? check::Format::kTerminal : check::Format::kReadable;
  page->Write(stdout, check::FormatReport(report, format, layoutDpi));
  check::KeepConsoleOpen();
  return check::ExitStatus(report);
}

#ifdef _WIN32
// Windows hands the arguments over in UTF-16 (the program is linked with -municode), so
// that a path the ANSI code page cannot spell arrives whole.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments = check::Utf8Arguments(argc, argv);
  std::vector<char*> pointers;
  for (std::string& argument : arguments) pointers.push_back(&argument[0]);
  pointers.push_back(nullptr);
  return RunChecker(argc, pointers.data());
}
#else
int main(int argc, char** argv) {
  return RunChecker(argc, argv);
}
#endif

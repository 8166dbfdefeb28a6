// The disc checker as one pipeline: each menu file of a disc read into the launcher's
// own menu document (menu_file.h), described for the report (menu_view.h) and judged by
// the rules of each family (*_rules.h), then the files its commands open, in the order
// a reader of the disc meets them.
#pragma once
#include <string>

#include "disc_report.h"
#include "system.h"

namespace check {

// The ANSI code page the checker reads a disc in when none is named (on Linux).
const unsigned kDefaultCodePage = 1252;

struct CheckOptions {
  // Without a language, every language file of the start file is checked as a start menu
  // too; with one (a tag, "de-CH"), only the start menu that its users read.
  std::string language;
  // Commands composed with a fresh Windows 10's associations, also on Windows.
  bool freshWindows = false;
};

// Checks the disc whose root folder holds startFile (a disc-relative name), read as
// the launcher reads it on a Windows whose ANSI code page is codePage. Messages are
// looked at only when startFile is the disc's autorun.inf.
DiscReport CheckDisc(const std::string& root, const std::string& startFile, DiscCodePage& codePage,
                     const CheckOptions& options = CheckOptions());
// Checks a disc folder (its autorun.inf) or one menu file, as given on the command line.
DiscReport CheckPath(const std::string& path, DiscCodePage& codePage,
                     const CheckOptions& options = CheckOptions());
DiscReport CheckPath(const std::string& path, unsigned codePage = kDefaultCodePage);

}  // namespace check

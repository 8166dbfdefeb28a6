// Reads one menu file with the launcher's own reader and notes, line by line,
// what the launcher will make of it and what it will quietly pass over.
#pragma once
#include <string>
#include <vector>

#include "disc_check.h"
#include "menu/menu_encoding.h"
#include "menu/menu_reader.h"
#include "system.h"

namespace check {

struct ScannedLine {
  int number = 0;
  std::string text;  // up to the first NUL byte, as the reader sees it, in MenuScan::textCodePage
  menu::LineKind kind = menu::LineKind::kEmpty;
  std::string value;  // trimmed value of a key line
};

struct MenuScan {
  bool opened = false;
  bool readError = false;
  // The code page of the text the reader got: the disc's for an ANSI file, else UTF-8.
  unsigned textCodePage = menu::kUtf8CodePage;
  std::vector<ScannedLine> lines;  // every line of the file, past the thirtieth entry too
  MenuView view;                   // in UTF-8
  std::vector<Warning> warnings;   // about this file alone (no other file is looked at), in UTF-8
};

// Scans the file at hostPath, read as the launcher reads it on a Windows whose ANSI
// code page is codePage; discName (UTF-8) is how warnings name it. The file is judged in
// its own text, the view and the warnings then converted to UTF-8. A popup shows no
// icons, so its entries are not warned about theirs.
MenuScan ScanMenuFile(const std::string& hostPath, const std::string& discName, bool popup,
                      DiscCodePage& codePage);

}  // namespace check

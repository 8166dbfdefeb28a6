// The first step of the checker: one menu file read as the launcher reads it, into the
// launcher's own menu document, and every line of it through the launcher's line reader
// and classifier (the rules on lines see what the document passes over). Nothing is
// judged here.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "menu/menu_document.h"
#include "menu/menu_encoding.h"
#include "menu/menu_reader.h"
#include "system.h"

namespace check {

struct ScannedLine {
  int number = 0;
  std::string text;  // up to the first NUL byte, as the reader sees it, in MenuFile::textCodePage
  menu::LineKind kind = menu::LineKind::kEmpty;
  std::string value;  // trimmed value of a key line
};

struct MenuFile {
  std::string name;  // as the disc or the command line names it, in UTF-8
  bool popup = false;
  bool opened = false;
  bool readError = false;
  menu::EncodingChoice choice;
  // The code page of the text the reader got: the disc's for an ANSI file, else UTF-8.
  // The document and the lines are in it.
  unsigned textCodePage = menu::kUtf8CodePage;
  LeadByteTest isLeadByte = nullptr;  // that code page's
  std::vector<ScannedLine> lines;     // every line of the file, past the thirtieth entry too
  std::unique_ptr<menu::MenuDocument> document{new menu::MenuDocument};
  // UTF-16 without a byte-order mark, which the launcher reads as ANSI bytes.
  bool utf16WithoutMark = false;
};

// Reads the file at hostPath as the launcher reads it on a Windows whose ANSI code page
// is codePage's; name (UTF-8) is how the report names it. A popup's file is read as a
// popup's: its rules differ, not its reading.
MenuFile ReadMenuFile(const std::string& hostPath, const std::string& name, bool popup,
                      DiscCodePage& codePage);

}  // namespace check

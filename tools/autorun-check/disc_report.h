// The checker's report: what the launcher will show for a disc, page by page and popup
// by popup, and what a disc author should hear about before burning it. The pipeline
// (disc_check.h) fills it; report_format.h prints it. Every text is UTF-8.
#pragma once
#include <string>
#include <vector>

#include "command_kind.h"

namespace check {

struct Warning {
  std::string file;  // disc-relative menu file name
  int line = 0;      // 0 when the warning is about the file as a whole
  std::string text;
};

struct MenuItem {
  enum Type { kEntry, kGap, kCopy } type = kEntry;
  int line = 0;
  // kEntry
  int index = 0;  // 0 to 29: button 1001 + index, popup item 1101 + index
  std::string caption;
  int captionLine = 0;
  std::string command;
  int iconNumber = 0;  // 200 + n
  // The entry's QXpicture value as written ("" for none), its line, and the file and
  // icon index the launcher takes from it (no file when the value is unusable).
  std::string picture;
  int pictureLine = 0;
  std::string picturePath;
  int pictureIndex = 0;
  CommandView view;
  // QXif, QXrun and QXtip of the entry as written ("" for none): where it is shown, what
  // the menu does once it has started, its line of help.
  std::string condition, runStyle, tip;
  // kGap
  int gap = 0;
  // kCopy: the directive as written, and where it goes ("" when it copies nothing)
  std::string copyValue, copySource, copyDestination;
};

// A QXlanguage line of a start menu: users of these tags read this file instead.
struct LanguageView {
  int line = 0;
  std::string tags, file;
};

struct MenuView {
  std::string file;  // as the command named it ("autorun.inf" for the start file)
  bool popup = false;
  std::string openedFrom;  // "file:line" of the command that opens it; "" for the start file
  bool readable = false;
  // How the file was read: a short name ("ansi", "utf-8", "utf-8-bom", "utf-16le",
  // "utf-16be", "legacy-ansi") and a sentence for people.
  std::string encoding, encodingText;
  // A file saved as ANSI text with characters beyond ASCII: the code page it is read in
  // (0 for a file saved as Unicode or in ASCII alone).
  unsigned legacyCodePage = 0;
  std::string title, name;  // "" when the file has none
  int titleLine = 0, nameLine = 0;
  std::vector<MenuItem> items;
  bool entryLimit = false;              // the thirtieth entry stopped the reading
  std::vector<LanguageView> languages;  // the QXlanguage lines the launcher looks at
};

struct DiscReport {
  std::vector<MenuView> menus;  // in the order a reader of the disc meets them
  std::vector<Warning> warnings;
  std::vector<Warning> notes;  // what the author should know but need not change: no warnings
  std::string unreadable;      // why the start file could not be read ("" when it could)
};

// Exit status of the checker: 0 clean, 1 warnings, 2 the start file cannot be read.
int ExitStatus(const DiscReport& report);

}  // namespace check

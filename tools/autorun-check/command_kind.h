// What a menu command does, seen from the disc: which kind of command it is,
// which file or address it names, and the surprises of how the launcher
// composes its command line.
#pragma once
#include <string>
#include <vector>

#include "base/text.h"
#include "system.h"

namespace check {

enum class CommandKind {
  kNothing,          // empty command: starting it fails
  kPage,             // "[file]": the window's menu is replaced by the file's
  kPopup,            // "<file>": the file's menu opens as a popup
  kProgram,          // a program on the disc
  kSystemProgram,    // a program that Windows provides (not looked for on the disc)
  kDocument,         // a document opened through the program associated with it
  kPercentDocument,  // "%verb document": opened through its association's open command
  kWebLink,          // a web address
};

struct CommandView {
  CommandKind kind = CommandKind::kNothing;
  // The menu file, program or document the command names, as written; the address of a link.
  std::string target;
  // Whether target is a disc file the checker should find (not a URL, not outside the disc).
  bool onDisc = false;
  // The command line the launcher starts, composed by its own rules ("" for a page, a
  // popup, or a "%" document without an open command).
  std::string commandLine;
  // Advice about how the launcher will treat the command (no file checks here).
  std::vector<std::string> notes;
};

const char* KindName(CommandKind kind);
// isLeadByte: the lead-byte test of the code page the command is in (null: single-byte).
// associations: those to compose with, the system's unless another is given.
CommandView ViewCommand(const std::string& command, LeadByteTest isLeadByte = nullptr,
                        const Associations& associations = SystemAssociations());
bool IsWebAddress(const std::string& text);
// Is the program one that Windows itself provides (named without a folder)?
bool IsSystemProgram(const std::string& program);

}  // namespace check

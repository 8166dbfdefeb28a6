// Sorts a menu command the way the launcher will carry it out: the launcher's own
// classification for reloads, popups and "%" documents and, for anything else, its own
// composition, which says how it composed the line, and the parts it read the command as.
#include "command_kind.h"

#include <string.h>
#include <strings.h>

#include "commands/command_line.h"
#include "disc_files.h"
#include "system.h"

namespace check {

namespace {
bool StartsWithNoCase(const std::string& text, const char* prefix) {
  return strncasecmp(text.c_str(), prefix, strlen(prefix)) == 0;
}

// The extension the launcher looks up in a command line.
std::string ExtensionOf(const std::string& line) {
  return command::CommandExtension(line.c_str()).c_str();
}

void SetFile(CommandView* view, CommandKind kind, const std::string& name, LeadByteTest isLeadByte) {
  view->kind = kind;
  view->target = name;
  if (IsWebAddress(name)) {
    view->kind = CommandKind::kWebLink;
    view->onDisc = false;
  } else {
    view->onDisc = !name.empty() && !IsOutsideDisc(name, isLeadByte);
  }
}

// The first word of a started command line, as Windows reads a program's name: up to
// the closing quote when it begins with one, else up to the first blank.
std::string ProgramOf(const std::string& line) {
  if (!line.empty() && line[0] == '"') {
    size_t close = line.find('"', 1);
    return line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  }
  return line.substr(0, line.find(' '));
}

bool EndsWithNoCase(const std::string& text, const char* tail) {
  size_t n = strlen(tail);
  return text.size() >= n && strcasecmp(text.c_str() + text.size() - n, tail) == 0;
}

// Does Windows start the file as a program when the url.dll handler opens it?
bool IsStartedAsProgram(const std::string& file) {
  for (const char* extension : {".exe", ".com", ".bat", ".cmd"})
    if (EndsWithNoCase(file, extension)) return true;
  return false;
}

// The kind of a command that the launcher starts, from the command line it composes:
// what it names is what a click does.
void ViewStart(const std::string& command, const std::string& started, command::Composition how,
               LeadByteTest isLeadByte, const char* associationsName, CommandView* view) {
  size_t blank = command.find(' ');
  std::string program = command.substr(0, blank);
  std::string extension = ExtensionOf(command);
  // Windows finds "rundll32" as well, but the launcher keeps only "rundll32.exe" and
  // "rundll32." in front of a document.
  bool bareRundll = strcasecmp(program.c_str(), "rundll32") == 0;
  if (bareRundll)
    view->notes.push_back(
        "write 'rundll32.exe' (or 'rundll32.'): only those stay in front of a document whose "
        "extension has an association; the launcher starts '" +
        started + "'");
  if (StartsWithNoCase(started, command::kUrlHandlerPrefix)) {
    std::string document = started.substr(strlen(command::kUrlHandlerPrefix));
    SetFile(view, IsStartedAsProgram(document) ? CommandKind::kProgram : CommandKind::kDocument, document,
            isLeadByte);
    // The program part was dropped unless the command itself asked for the handler.
    bool dropped = blank != std::string::npos && how == command::Composition::kUrlHandler && !bareRundll;
    if (!dropped) return;
    if (strcasecmp(extension.c_str(), command::kNeverLookedUp) == 0 &&
        EndsWithNoCase(ProgramOf(command), extension.c_str())) {
      view->notes.push_back(
          "the extension '" + extension + "' is not written '.exe', so the launcher opens '" + document +
          "' through its association instead of starting " + program + "; write the extension in lower case");
    } else if (document[0] == '/' || document[0] == '-') {
      view->notes.push_back("the launcher opens the switch '" + document + "' as a document and drops '" +
                            program + "': its extension '" + extension + "' has an association");
    } else {
      view->notes.push_back("the launcher drops the program part: it opens '" + document +
                            "' through the program Windows associates with '" + extension +
                            "' and does not start '" + ProgramOf(command) + "'");
    }
    return;
  }
  if (how == command::Composition::kOpenCommand || how == command::Composition::kNoOpenCommand) {
    // A switch behind the document: the class's own open command is started.
    std::string rest = command::CommandRest(command.c_str());
    std::string document = rest.substr(0, rest.find(' '));
    SetFile(view, CommandKind::kDocument, document, isLeadByte);
    if (how == command::Composition::kNoOpenCommand)
      view->notes.push_back("with a switch behind it the launcher starts the open command of '" + extension +
                            "', which " + associationsName + " does not have: it starts '" + rest +
                            "' as a program, which fails");
    else
      view->notes.push_back("the launcher drops '" + program + "' and starts '" + started +
                            "', the open command of '" + extension + "' with the document and the switch");
    return;
  }
  std::string file = ProgramOf(command);
  if (IsWebAddress(command) && blank == std::string::npos) {
    SetFile(view, CommandKind::kWebLink, command, isLeadByte);
    view->notes.push_back("a bare web address is started only when Windows associates its last extension '" +
                          extension + "'; write: rundll32.exe url.dll,FileProtocolHandler " + command);
    return;
  }
  SetFile(view, IsSystemProgram(file) ? CommandKind::kSystemProgram : CommandKind::kProgram, file,
          isLeadByte);
  if (view->kind == CommandKind::kSystemProgram) view->onDisc = false;
  std::string own = ExtensionOf(file);
  if (!own.empty() && !IsStartedAsProgram(file) && strcasecmp(own.c_str(), ".pif") != 0 &&
      own.find_first_of("\\/") == std::string::npos)
    view->notes.push_back("'" + own + "' has no association in " + associationsName +
                          ": the launcher starts '" + file + "' as a program, which fails");
}
}  // namespace

bool IsSystemProgram(const std::string& program) {
  static const char* const kPrograms[] = {
      "rundll32.exe", "rundll32",     "notepad.exe", "notepad",     "explorer.exe", "explorer",
      "cmd.exe",      "command.com",  "write.exe",   "wordpad.exe", "mspaint.exe",  "calc.exe",
      "control.exe",  "msiexec.exe",  "msiexec",     "hh.exe",      "mshta.exe",    "regedit.exe",
      "iexplore.exe", "winhlp32.exe", "winhelp.exe", "start",       "wscript.exe",  "cscript.exe",
  };
  if (program.find_first_of("\\/") != std::string::npos) return false;
  for (const char* known : kPrograms)
    if (strcasecmp(program.c_str(), known) == 0) return true;
  return false;
}

const char* KindName(CommandKind kind) {
  switch (kind) {
    case CommandKind::kNothing:
      return "nothing";
    case CommandKind::kPage:
      return "page";
    case CommandKind::kPopup:
      return "popup";
    case CommandKind::kProgram:
      return "program";
    case CommandKind::kSystemProgram:
      return "system program";
    case CommandKind::kDocument:
      return "document";
    case CommandKind::kPercentDocument:
      return "document (%)";
    case CommandKind::kWebLink:
      return "web link";
  }
  return "";
}

bool IsWebAddress(const std::string& text) {
  return text.find("://") != std::string::npos || StartsWithNoCase(text, "mailto:") ||
         StartsWithNoCase(text, "www.");
}

CommandView ViewCommand(const std::string& command, LeadByteTest isLeadByte,
                        const Associations& associations) {
  CommandView view;
  if (command.empty()) return view;
  assoc::RegistryView& registry = associations.registry;
  if (command[0] == '%') {
    Text document = command::PercentCommandDocument(command.c_str());
    SetFile(&view, CommandKind::kPercentDocument, document.c_str(), isLeadByte);
    if (view.kind == CommandKind::kWebLink) view.kind = CommandKind::kPercentDocument;
    if (command.find(' ') == std::string::npos) {
      view.onDisc = false;
      view.notes.push_back("a '%' command without a blank opens the document '" + command +
                           "', '%' included; write: %open " + command.substr(1));
    }
    // The document's open command, then composed like any other command line.
    Text opened = assoc::BuildAssociationCommand(registry, document.c_str());
    if (!opened.empty()) view.commandLine = command::ComposeCommandLine(registry, opened.c_str()).c_str();
    if (view.commandLine.empty() && view.notes.empty())
      view.notes.push_back("the document's extension has no open command in " +
                           std::string(associations.name) + ": choosing it shows the launch error");
    return view;
  }
  switch (command::Classify(command.c_str())) {
    case command::Kind::kReload:
      view.kind = CommandKind::kPage;
      view.target = command::MenuFileOf(command.c_str(), ']', isLeadByte).c_str();
      view.onDisc = true;
      return view;
    case command::Kind::kPopup:
      view.kind = CommandKind::kPopup;
      view.target = command::MenuFileOf(command.c_str(), '>', isLeadByte).c_str();
      view.onDisc = true;
      return view;
    case command::Kind::kStart:
      break;
  }
  command::Composition how;
  view.commandLine = command::ComposeCommandLine(registry, command.c_str(), &how).c_str();
  ViewStart(command, view.commandLine, how, isLeadByte, associations.name, &view);
  return view;
}

}  // namespace check

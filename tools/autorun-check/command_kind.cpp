// Sorts a menu command the way the launcher will carry it out: the launcher's own
// classification for reloads, popups and "%" documents, and, for anything else,
// the same split at the first blank and the same last-extension rule that its
// command-line composition uses.
#include "command_kind.h"

#include <string.h>
#include <strings.h>

#include "commands/command_line.h"
#include "disc_files.h"

namespace check {

namespace {
const char kUrlHandler[] = "url.dll,FileProtocolHandler";
const char kExe[] = ".exe";  // the one extension the launcher never looks up (case counts)

std::string TrimLeft(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsTrimSpace(static_cast<unsigned char>(text[i]))) ++i;
  return text.substr(i);
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  return strncasecmp(text.c_str(), prefix, strlen(prefix)) == 0;
}

bool IsRundll(const std::string& program) {
  return strcasecmp(program.c_str(), "rundll32.exe") == 0 || strcasecmp(program.c_str(), "rundll32.") == 0 ||
         strcasecmp(program.c_str(), "rundll32") == 0;
}

// The last extension of a command line as the launcher takes it: from the last
// "." up to the first blank after it; "" when the line has no ".".
std::string LastExtension(const std::string& line) {
  size_t dot = line.rfind('.');
  if (dot == std::string::npos) return "";
  size_t blank = line.find(' ', dot);
  return line.substr(dot, blank == std::string::npos ? std::string::npos : blank - dot);
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

void ViewStart(const std::string& line, LeadByteTest isLeadByte, CommandView* view) {
  if (line[0] == '"') {
    // A quoted program: the last extension ends in the quote, which no class
    // has, so the line is started as written and Windows reads the quotes.
    size_t close = line.find('"', 1);
    std::string program = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    SetFile(view, CommandKind::kProgram, program, isLeadByte);
    return;
  }
  size_t blank = line.find(' ');
  std::string program = line.substr(0, blank);
  std::string rest = blank == std::string::npos ? "" : TrimLeft(line.substr(blank + 1));
  if (IsRundll(program)) {
    if (StartsWithNoCase(rest, kUrlHandler)) {
      std::string document = TrimLeft(rest.substr(strlen(kUrlHandler)));
      SetFile(view, CommandKind::kDocument, document, isLeadByte);
      return;
    }
    view->kind = CommandKind::kSystemProgram;
    view->target = program;
    return;
  }
  std::string extension = LastExtension(line);
  if (extension.empty() || extension == kExe) {
    SetFile(view, IsSystemProgram(program) ? CommandKind::kSystemProgram : CommandKind::kProgram, program,
            isLeadByte);
    if (view->kind == CommandKind::kSystemProgram) view->onDisc = false;
    return;
  }
  if (IsWebAddress(line) && blank == std::string::npos) {
    SetFile(view, CommandKind::kWebLink, line, isLeadByte);
    if (strcasecmp(extension.c_str(), ".htm") != 0 && strcasecmp(extension.c_str(), ".html") != 0)
      view->notes.push_back(
          "a bare web address is started only when Windows associates its last extension '" + extension +
          "'; write: rundll32.exe url.dll,FileProtocolHandler " + line);
    return;
  }
  if (blank == std::string::npos) {
    // SETUP.EXE goes through the association of ".EXE", which starts it.
    bool program = strcasecmp(extension.c_str(), kExe) == 0 || strcasecmp(extension.c_str(), ".com") == 0 ||
                   strcasecmp(extension.c_str(), ".bat") == 0 || strcasecmp(extension.c_str(), ".cmd") == 0;
    SetFile(view, program ? CommandKind::kProgram : CommandKind::kDocument, line, isLeadByte);
    return;
  }
  // With an associated last extension the launcher opens the rest of the line,
  // cut at its first blank, and drops the text before the first blank.
  size_t restBlank = rest.find(' ');
  std::string document = rest.substr(0, restBlank);
  SetFile(view, CommandKind::kDocument, document, isLeadByte);
  if (strcasecmp(extension.c_str(), kExe) == 0 && LastExtension(program) == extension) {
    view->notes.push_back("the extension '" + extension + "' is not written '.exe', so the launcher opens '" +
                          rest + "' through its association instead of starting " + program +
                          "; write the extension in lower case");
  } else if (!document.empty() && (document[0] == '/' || document[0] == '-')) {
    view->notes.push_back("the launcher opens the switch '" + document + "' as a document and drops '" +
                          program + "': its extension '" + extension + "' has an association");
  } else {
    view->notes.push_back("the launcher splits at the first blank: it opens '" + document +
                          "' through the program "
                          "Windows associates with '" +
                          extension + "' and does not start '" + program + "'");
  }
}
}  // namespace

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

CommandView ViewCommand(const std::string& command, LeadByteTest isLeadByte) {
  CommandView view;
  if (command.empty()) return view;
  if (command[0] == '%') {
    Text document = command::PercentCommandDocument(command.c_str());
    SetFile(&view, CommandKind::kPercentDocument, document.c_str(), isLeadByte);
    if (view.kind == CommandKind::kWebLink) view.kind = CommandKind::kPercentDocument;
    if (command.find(' ') == std::string::npos) {
      view.onDisc = false;
      view.notes.push_back("a '%' command without a blank opens the document '" + command +
                           "', '%' included; write: %open " + command.substr(1));
    }
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
  ViewStart(command, isLeadByte, &view);
  return view;
}

}  // namespace check

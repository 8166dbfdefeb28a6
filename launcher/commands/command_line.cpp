// Menu commands: which entry an identifier names, what a command asks for, and
// the command line that starts a program or opens a document.
#include "commands/command_line.h"

#include <string.h>

#include "menu/menu_reader.h"

namespace command {

namespace {

// A button identifier is kFirstButtonId + d for d below this.
const unsigned kIdRangeWidth = kFirstPopupItemId - kFirstButtonId;

bool IsSwitchStart(char c) {
  return c == '/' || c == '-';
}

// No lead-byte test is needed for the trimming here: no double-byte code page has
// a trail byte among the white-space characters.
const char* SkipLeadingSpace(const char* text) {
  while (IsTrimSpace((unsigned char)*text)) text++;
  return text;
}
size_t LengthWithoutTrailingSpace(const char* text) {
  size_t length = strlen(text);
  while (length && IsTrimSpace((unsigned char)text[length - 1])) length--;
  return length;
}

}  // namespace

int EntryIndexForId(unsigned id) {
  // Unsigned on purpose: an identifier below the first button's wraps round to a huge d.
  unsigned index = id - kFirstButtonId;
  if (index >= kIdRangeWidth) index = id - kFirstPopupItemId;
  return index < (unsigned)menu::kMaxEntries ? (int)index : kNoEntry;
}

Text PercentCommandDocument(const char* command) {
  const char* blank = strchr(command, ' ');
  return Text(blank ? blank + 1 : command);
}

Kind Classify(const char* commandLine) {
  if (commandLine[0] == '[') return Kind::kReload;
  if (commandLine[0] == '<') return Kind::kPopup;
  return Kind::kStart;
}

Text MenuFileOf(const char* commandLine, char closing, LeadByteTest isLeadByte) {
  const char* name = commandLine[0] ? commandLine + 1 : commandLine;
  const char* end = FindCharacter(name, closing, isLeadByte);
  return Text(name, end ? (size_t)(end - name) : strlen(name));
}

Text CommandExtension(const char* commandLine) {
  const char* dot = strrchr(commandLine, '.');
  if (!dot) return Text();
  const char* extensionEnd = strchr(dot, ' ');
  return Text(dot, extensionEnd ? (size_t)(extensionEnd - dot) : strlen(dot));
}

const char* CommandRest(const char* commandLine) {
  const char* firstBlank = strchr(commandLine, ' ');
  return firstBlank ? SkipLeadingSpace(firstBlank + 1) : commandLine;
}

Text ComposeCommandLine(assoc::RegistryView& registry, const char* commandLine, Composition* how) {
  Composition unused;
  if (!how) how = &unused;
  *how = Composition::kAsWritten;
  Text result(commandLine);
  Text extension = CommandExtension(commandLine);
  if (extension.empty() || strcmp(extension.c_str(), kNeverLookedUp) == 0) return result;
  Text className;
  if (!assoc::LookupDocumentClass(registry, extension.c_str(), &className)) return result;

  // Program part, the rest, and within the rest a document part ending in a blank
  // and a switch part when a "/" or "-" follows that blank.
  const char* firstBlank = strchr(commandLine, ' ');
  size_t programLength = firstBlank ? (size_t)(firstBlank - commandLine) : 0;
  const char* rest = CommandRest(commandLine);
  const char* restBlank = strchr(rest, ' ');
  Text documentPart, switchPart;
  if (restBlank) {
    documentPart.Assign(rest, (size_t)(restBlank - rest) + 1);
    if (IsSwitchStart(restBlank[1]))
      switchPart.Assign(restBlank + 1, LengthWithoutTrailingSpace(restBlank + 1));
  }

  if (!switchPart.empty()) {
    Text openCommand;
    if (!assoc::LookupOpenCommand(registry, className.c_str(), &openCommand)) {
      *how = Composition::kNoOpenCommand;
      result.Assign(rest);
      return result;
    }
    // The document part ends with its own blank: two blanks stand before the switch.
    *how = Composition::kOpenCommand;
    result = openCommand;
    result.AppendChar(' ');
    result.Append(documentPart.c_str());
    result.AppendChar(' ');
    result.Append(switchPart.c_str());
    return result;
  }
  if (EqualsIgnoringAsciiCase(commandLine, programLength, "rundll32.exe") ||
      EqualsIgnoringAsciiCase(commandLine, programLength, "rundll32.")) {
    *how = Composition::kRundll;
    result.Assign(commandLine, programLength);
    result.AppendChar(' ');
    result.Append(rest);
    return result;
  }
  // A document with an association always opens through it; the program part is dropped.
  *how = Composition::kUrlHandler;
  result.Assign(kUrlHandlerPrefix);
  result.Append(rest);
  return result;
}

}  // namespace command

// Document associations: an extension's class, a class's open command, and the
// command line that opens one document, read through a RegistryView.
#include "commands/association.h"

#include <string.h>

namespace assoc {

namespace {

const char kOpenCommandPath[] = "\\shell\\open\\command";
const char* const kOpenCommandKeys[] = {"shell", "open", "command"};
const char kPlaceholder[] = "%1";

// Reads the default value of key; the size is set to the buffer's again for every
// query. A value that does not fit counts as missing. Windows keeps the open commands
// of its own classes as REG_EXPAND_SZ ("%SystemRoot%\system32\NOTEPAD.EXE %1"): such a
// value is used expanded, as the shell uses it; a REG_SZ value exactly as it is.
bool ReadDefault(RegistryView& registry, RegistryView::Key key, Text* value) {
  char buffer[kValueTextSize];
  unsigned long size = kValueTextSize;
  bool expandable = false;
  if (!registry.QueryDefault(key, buffer, &size, &expandable)) return false;
  // Data stored without its zero must not be read past the buffer (and strnlen
  // is missing from older msvcrt.dll).
  size_t length = 0;
  while (length < size && length < sizeof buffer && buffer[length]) length++;
  value->Assign(buffer, length);
  if (!expandable) return true;
  Text stored(*value);
  return registry.ExpandEnvironment(stored.c_str(), value);
}

// Cuts the one trailing switch: the text from the last blank on, when a "/" or
// "-" follows that blank.
void RemoveTrailingSwitch(Text* command) {
  const char* text = command->c_str();
  const char* blank = strrchr(text, ' ');
  if (blank && (blank[1] == '/' || blank[1] == '-')) command->Assign(text, (size_t)(blank - text));
}

}  // namespace

bool LookupDocumentClass(RegistryView& registry, const char* extension, Text* className) {
  className->Clear();
  RegistryView::Key key;
  if (!registry.Open(nullptr, extension, &key)) return false;
  bool found = ReadDefault(registry, key, className);
  if (!found) className->Clear();
  registry.Close(key);
  return found;
}

bool LookupOpenCommand(RegistryView& registry, const char* className, Text* openCommand) {
  openCommand->Clear();
  // The class key, then "shell", "open" and "command", each opened from the one before.
  RegistryView::Key keys[4];
  int opened = 0;
  bool found = registry.Open(nullptr, className, &keys[0]);
  if (found) opened = 1;
  while (found && opened < 4) {
    found = registry.Open(keys[opened - 1], kOpenCommandKeys[opened - 1], &keys[opened]);
    if (found) opened++;
  }
  if (found) {
    found = ReadDefault(registry, keys[3], openCommand);
    if (found) {
      RemoveTrailingSwitch(openCommand);
    } else {
      openCommand->Clear();
    }
  }
  while (opened) registry.Close(keys[--opened]);  // innermost first
  return found;
}

Text BuildAssociationCommand(RegistryView& registry, const char* document) {
  Text result;
  // Everything from the last "." to the very end is the extension, whatever follows it.
  const char* extension = strrchr(document, '.');
  if (!extension) return result;
  RegistryView::Key extensionKey;
  if (!registry.Open(nullptr, extension, &extensionKey)) return result;
  Text path;
  if (ReadDefault(registry, extensionKey, &path)) {
    path.Append(kOpenCommandPath);  // up to 255 + 19 characters, never cut
    RegistryView::Key commandKey;
    if (path.ok() && registry.Open(nullptr, path.c_str(), &commandKey)) {
      Text commandTemplate;
      if (ReadDefault(registry, commandKey, &commandTemplate)) {
        result = SubstituteDocument(commandTemplate.c_str(), document);
      } else {
        registry.ReportUnreadableCommand();
      }
      registry.Close(commandKey);
    }
  }
  registry.Close(extensionKey);
  return result;
}

Text PreferNativeProgramFolders(const char* value) {
  static const char* const kFolders[][2] = {
      {"%ProgramFiles%", "%ProgramW6432%"},
      {"%CommonProgramFiles%", "%CommonProgramW6432%"},
  };
  Text result;
  for (const char* p = value; *p;) {
    bool replaced = false;
    for (const auto& folder : kFolders) {
      if (StartsWithIgnoringAsciiCase(p, folder[0])) {
        result.Append(folder[1]);
        p += strlen(folder[0]);
        replaced = true;
        break;
      }
    }
    if (!replaced) result.AppendChar(*p++);
  }
  return result;
}

Text SubstituteDocument(const char* commandTemplate, const char* document) {
  Text result;
  const char* placeholder = strstr(commandTemplate, kPlaceholder);
  if (!placeholder) {
    result.Assign(commandTemplate);
    result.AppendChar(' ');
    result.Append(document);
    return result;
  }
  result.Assign(commandTemplate, (size_t)(placeholder - commandTemplate));
  result.Append(document);
  result.Append(placeholder + sizeof kPlaceholder - 1);
  return result;
}

}  // namespace assoc

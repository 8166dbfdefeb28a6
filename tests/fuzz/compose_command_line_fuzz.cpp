// Fuzzes command composition and the association lookups against a registry made
// from the input: every line but the last is "key path=default value" (a line
// without "=" is a key without value), the last line is the menu command.
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "commands/command_line.h"
#include "fuzz_check.h"
#include "launcher_fake_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t nl; (nl = input.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(input.substr(start, nl - start));
  std::string command = input.substr(start);

  testing_assoc::FakeRegistry registry;
  for (const std::string& line : lines) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) {
      registry.AddKey(line.c_str());
    } else {
      registry.AddValue(line.substr(0, equals).c_str(), line.substr(equals + 1).c_str());
    }
  }

  const char* text = command.c_str();  // a NUL ends the command, as it ends a menu value
  Text composed = command::ComposeCommandLine(registry, text);
  FUZZ_CHECK(strchr(text, '.') || strcmp(composed.c_str(), text) == 0);
  Text document = command::PercentCommandDocument(text);
  Text associated = assoc::BuildAssociationCommand(registry, document.c_str());
  if (!associated.empty()) FUZZ_CHECK(strstr(associated.c_str(), document.c_str()));
  Text again = command::ComposeCommandLine(registry, associated.c_str());
  Text className, openCommand;
  assoc::LookupDocumentClass(registry, text, &className);
  assoc::LookupOpenCommand(registry, text, &openCommand);
  FUZZ_CHECK(className.length() < assoc::kValueBufferSize && openCommand.length() < assoc::kValueBufferSize);
  command::MenuFileOf(text, ']');
  command::Classify(text);

  FUZZ_CHECK(registry.openKeys() == 0);
  FUZZ_CHECK(registry.faults.empty());
  FUZZ_CHECK(registry.opens >= registry.closes);
  return 0;
}

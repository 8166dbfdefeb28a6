// Fuzzes the "%1" substitution: input is the template, a line feed, the document.
// The result is always the template with its first "%1" replaced, never a format.
#include <stdint.h>
#include <string.h>

#include <string>

#include "commands/association.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  size_t nl = input.find('\n');
  std::string commandTemplate = input.substr(0, nl).c_str();
  std::string document = nl == std::string::npos ? "" : input.substr(nl + 1).c_str();

  Text result = assoc::SubstituteDocument(commandTemplate.c_str(), document.c_str());
  std::string expected;
  size_t placeholder = commandTemplate.find("%1");
  if (placeholder == std::string::npos) {
    expected = commandTemplate + " " + document;
  } else {
    expected = commandTemplate.substr(0, placeholder) + document + commandTemplate.substr(placeholder + 2);
  }
  FUZZ_CHECK(result.length() == expected.size());
  FUZZ_CHECK(memcmp(result.c_str(), expected.data(), expected.size()) == 0);
  return 0;
}

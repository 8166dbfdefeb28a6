// The elevation retry decision and the split of a command line into program and parameters.
#include "elevation.h"

#include <string.h>

namespace elevation {

namespace {
bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}
}  // namespace

bool ShouldRetryElevated(unsigned long startError) {
  return startError == kErrorElevationRequired;
}

void SplitProgram(const char* commandLine, Text* program, Text* parameters) {
  const char* rest;
  if (commandLine[0] == '"') {
    // A quoted name may hold blanks; without its closing quote it runs to the end.
    const char* name = commandLine + 1;
    const char* close = strchr(name, '"');
    program->Assign(name, close ? (size_t)(close - name) : strlen(name));
    rest = close ? close + 1 : name + strlen(name);
  } else {
    rest = commandLine;
    while (*rest && !IsBlankOrTab(*rest)) rest++;
    program->Assign(commandLine, (size_t)(rest - commandLine));
  }
  while (IsBlankOrTab(*rest)) rest++;
  parameters->Assign(rest);
}

}  // namespace elevation

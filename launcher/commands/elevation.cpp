// The elevation retry decision and the split of a command line into program and parameters.
#include "commands/elevation.h"

#include <string.h>

namespace elevation {

namespace {
bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

// The name [begin, end) as the program: the file the lookup finds, else as written.
void TakeProgram(const char* begin, const char* end, ProgramLookup lookup, Text* program) {
  Text name(begin, (size_t)(end - begin));
  if (!lookup || !lookup(name.c_str(), program)) *program = name;
}
}  // namespace

bool ShouldRetryElevated(unsigned long startError) {
  return startError == kErrorElevationRequired;
}

void SplitProgram(const char* commandLine, ProgramLookup lookup, Text* program, Text* parameters) {
  const char* rest;
  if (commandLine[0] == '"') {
    // A quoted name may hold blanks; without its closing quote it runs to the end.
    const char* name = commandLine + 1;
    const char* close = strchr(name, '"');
    rest = close ? close : name + strlen(name);
    TakeProgram(name, rest, lookup, program);
    if (close) rest++;
  } else {
    // Longer and longer prefixes, each ending at white space, the whole line last.
    const char* firstEnd = nullptr;
    rest = nullptr;
    for (const char* end = commandLine;; end++) {
      if (*end && !IsBlankOrTab(*end)) continue;
      if (!firstEnd) firstEnd = end;
      Text name(commandLine, (size_t)(end - commandLine));
      if (lookup && lookup(name.c_str(), program)) {
        rest = end;
        break;
      }
      if (!*end) break;
    }
    // No prefix names a file: the first word, as the start itself would report it.
    if (!rest) {
      rest = firstEnd;
      program->Assign(commandLine, (size_t)(rest - commandLine));
    }
  }
  while (IsBlankOrTab(*rest)) rest++;
  parameters->Assign(rest);
}

}  // namespace elevation

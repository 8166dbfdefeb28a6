// The decision to retry a start through the shell when Windows says that the
// program needs elevation, and how a command line splits into program and parameters.
#pragma once
#include "base/text.h"

namespace elevation {

const unsigned long kErrorElevationRequired = 740;

// True when a failed start should be tried again through the shell (so that Windows
// asks the user for elevation): exactly when the start failed for lack of elevation.
bool ShouldRetryElevated(unsigned long startError);

// Looks a program name up as CreateProcess does (".exe" added to a name without an
// extension, the program's folder, the current directory, the system folders, PATH):
// true when it names a file, whose path then goes to *path.
typedef bool (*ProgramLookup)(const char* name, Text* path);

// Splits a command line the way CreateProcess (and so WinExec) found its program. A
// quoted name runs up to its closing quote. An unquoted line is tried at every blank
// or tab in turn ("Setup Files\setup.exe /q" tries "Setup", then "Setup Files\setup.exe")
// until a prefix names a file; when none does, the program is the first word. The
// program is the file found, else the name as written; the parameters are the rest
// after the white space that follows the name.
void SplitProgram(const char* commandLine, ProgramLookup lookup, Text* program, Text* parameters);

}  // namespace elevation

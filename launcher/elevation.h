// The decision to retry a start through the shell when Windows says that the
// program needs elevation, and how a command line splits into program and parameters.
#pragma once
#include "text.h"

namespace elevation {

const unsigned long kErrorElevationRequired = 740;

// True when a failed start should be tried again through the shell (so that Windows
// asks the user for elevation): exactly when the start failed for lack of elevation.
bool ShouldRetryElevated(unsigned long startError);

// Splits a command line as CreateProcess (and so WinExec) takes its program name:
// a quoted program up to its closing quote, otherwise up to the first blank or tab.
// The parameters are the rest after the white space that follows the program.
void SplitProgram(const char* commandLine, Text* program, Text* parameters);

}  // namespace elevation

// Starting a composed command line the way WinExec does, with the shell's
// elevation prompt for setup programs that need administrator rights.
#pragma once

// True when the program was started.
bool StartCommandLine(const char* commandLine);

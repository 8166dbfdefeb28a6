// Starting a composed command line the way WinExec does, with the shell's
// elevation prompt for setup programs that need administrator rights.
#pragma once
#include <windows.h>

// True when the program was started. owner is the window that the elevation prompt
// comes up in front of.
bool StartCommandLine(const char* commandLine, HWND owner);

// Starting a composed command line the way WinExec does, with the shell's
// elevation prompt for setup programs that need administrator rights.
#pragma once
#include <windows.h>

// True when the program was started. owner is the window that the elevation prompt
// comes up in front of. With process, *process receives the started process's handle
// for the caller to wait on and close, or null when there is none to wait for. With job,
// a program started directly is placed in that job before it runs (IsProcessInJob tells
// whether it went in); one started elevated never is. The command line is UTF-8, the
// launcher's own text.
bool StartCommandLine(const char* commandLine, HWND owner, HANDLE* process = nullptr, HANDLE job = nullptr);

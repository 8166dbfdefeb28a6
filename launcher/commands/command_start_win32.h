// Starting a composed command line the way WinExec does, with the shell's
// elevation prompt for setup programs that need administrator rights.
#pragma once
#include <windows.h>

// True when the program was started. owner is the window that the elevation prompt
// comes up in front of. With process, *process receives the started process's handle
// for the caller to wait on and close, or null when there is none to wait for. With job,
// a program started directly is placed in that job before it runs (IsProcessInJob tells
// whether it went in); one started elevated never is. codePage is the command line's:
// CP_UTF8 for the launcher's own text, CP_ACP for the bytes of a menu file read in the
// ANSI code page, widened here as WinExec would.
bool StartCommandLine(const char* commandLine, HWND owner, HANDLE* process = nullptr, HANDLE job = nullptr,
                      UINT codePage = CP_ACP);

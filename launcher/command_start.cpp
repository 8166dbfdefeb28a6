// Starting a command line: CreateProcessA as WinExec uses it, and the shell when
// Windows answers that the program needs elevation.
#include "command_start.h"

#include <stdlib.h>
#include <windows.h>
#include <shellapi.h>

#include "elevation.h"
#include "text.h"

namespace {

const int kShowCommand = SW_SHOWMAXIMIZED;
const DWORD kInputIdleWaitMs = 30000;  // WinExec waits this long for the new program
const INT_PTR kLastShellFailure = 32;  // ShellExecute results up to 32 are failures

// How CreateProcess looks up each prefix of an unquoted command line: ".exe" added to
// a name without an extension, then the system's search order, the program's own folder
// first (where the current directory stands in it, see the design notes). A folder is
// not a program.
bool FindProgramFile(const char* name, Text* path) {
  char found[MAX_PATH];
  DWORD length = SearchPathA(nullptr, name, ".exe", MAX_PATH, found, nullptr);
  if (length == 0 || length >= MAX_PATH) return false;
  DWORD attributes = GetFileAttributesA(found);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  path->Assign(found);
  return true;
}

}  // namespace

// WinExec is CreateProcess with the command line alone and the show command in the
// start-up information, but it reports every failure as a small number, so a setup
// program that needs administrator rights on Vista and later (CreateProcess fails
// with ERROR_ELEVATION_REQUIRED, 740) is simply "not started". So the start goes
// through CreateProcessA with what WinExec passes; on 740 the same program is handed
// to the shell, which asks the user for elevation. Any other failure is WinExec's
// failure too: running WinExec after it would only start the same line a second time
// (and show a box of the system's own twice, as for a 16-bit program on 64-bit Windows).
bool StartCommandLine(const char* commandLine) {
  Text line(commandLine);
  char* writable = line.Release();  // CreateProcessA may write into its command line
  if (!writable) return false;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = kShowCommand;
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessA(nullptr, writable, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  DWORD error = started ? 0 : GetLastError();
  free(writable);
  if (started) {
    // Like WinExec: return once the program waits for input, or after the time-out.
    WaitForInputIdle(process.hProcess, kInputIdleWaitMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }
  if (elevation::ShouldRetryElevated(error)) {
    Text program, parameters;
    elevation::SplitProgram(commandLine, FindProgramFile, &program, &parameters);
    INT_PTR result = (INT_PTR)ShellExecuteA(nullptr, nullptr, program.c_str(),
                                            parameters.empty() ? nullptr : parameters.c_str(), nullptr, kShowCommand);
    return result > kLastShellFailure;
  }
  return false;
}

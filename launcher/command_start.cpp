// Starting a command line: CreateProcessA as WinExec uses it, the shell when
// Windows answers that the program needs elevation, WinExec itself otherwise.
#include "command_start.h"

#include <stdlib.h>
#include <windows.h>
#include <shellapi.h>

#include "elevation.h"
#include "text.h"

namespace {

const int kShowCommand = SW_SHOWMAXIMIZED;
const DWORD kInputIdleWaitMs = 30000;  // WinExec waits this long for the new program
const UINT kLastWinExecFailure = 31;   // WinExec results up to 31 are failures
const INT_PTR kLastShellFailure = 32;  // ShellExecute results up to 32 are failures

}  // namespace

// WinExec is CreateProcess with the command line alone and the show command in the
// start-up information, but it reports every failure as a small number, so a setup
// program that needs administrator rights on Vista and later (CreateProcess fails
// with ERROR_ELEVATION_REQUIRED, 740) is simply "not started". So the start goes
// through CreateProcessA with what WinExec passes; on 740 the same command line is
// handed to the shell, which asks the user for elevation; on any other failure
// WinExec itself runs, so that the outcome is exactly WinExec's.
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
    elevation::SplitProgram(commandLine, &program, &parameters);
    INT_PTR result = (INT_PTR)ShellExecuteA(nullptr, nullptr, program.c_str(),
                                            parameters.empty() ? nullptr : parameters.c_str(), nullptr, kShowCommand);
    return result > kLastShellFailure;
  }
  return WinExec(commandLine, kShowCommand) > kLastWinExecFailure;
}

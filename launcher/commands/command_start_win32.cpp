// Starting a command line: CreateProcessA as WinExec uses it, and the shell when
// Windows answers that the program needs elevation.
#include "commands/command_start_win32.h"

#include <objbase.h>
#include <shellapi.h>
#include <stdlib.h>
#include <windows.h>

#include "base/text.h"
#include "commands/elevation.h"

namespace {

const int kShowCommand = SW_SHOWMAXIMIZED;
const DWORD kInputIdleWaitMs = 30000;  // WinExec waits this long for the new program

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

// The shell shows the elevation prompt, and may run shell extensions, through COM, so
// COM is set up on this thread for the call, as Microsoft asks of every caller of
// ShellExecuteEx. ole32.dll is loaded only here, so starting the launcher and every
// other program costs nothing more; it is one of the system's known DLLs, which are
// always taken from the system folder, never from the disc.
bool ShellExecuteWithCom(SHELLEXECUTEINFOA* info) {
  typedef HRESULT(WINAPI * CoInitializeExFn)(void*, DWORD);
  typedef void(WINAPI * CoUninitializeFn)();
  HMODULE ole32 = LoadLibraryA("ole32.dll");
  CoInitializeExFn initialize =
      ole32 ? (CoInitializeExFn)(void*)GetProcAddress(ole32, "CoInitializeEx") : nullptr;
  CoUninitializeFn uninitialize =
      ole32 ? (CoUninitializeFn)(void*)GetProcAddress(ole32, "CoUninitialize") : nullptr;
  HRESULT com = initialize && uninitialize
                    ? initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                    : E_FAIL;
  BOOL done = ShellExecuteExA(info);
  if (SUCCEEDED(com)) uninitialize();
  if (ole32) FreeLibrary(ole32);
  return done != FALSE;
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
bool StartCommandLine(const char* commandLine, HWND owner, HANDLE* process) {
  if (process) *process = nullptr;
  Text line(commandLine);
  char* writable = line.Release();  // CreateProcessA may write into its command line
  if (!writable) return false;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = kShowCommand;
  PROCESS_INFORMATION startedProcess = {};
  BOOL started = CreateProcessA(nullptr, writable, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                &startedProcess);
  DWORD error = started ? 0 : GetLastError();
  free(writable);
  if (started) {
    // Like WinExec: return once the program waits for input, or after the time-out. A
    // caller that waits for the whole process does not wait for this first.
    if (!process) WaitForInputIdle(startedProcess.hProcess, kInputIdleWaitMs);
    CloseHandle(startedProcess.hThread);
    if (process)
      *process = startedProcess.hProcess;
    else
      CloseHandle(startedProcess.hProcess);
    return true;
  }
  if (elevation::ShouldRetryElevated(error)) {
    Text program, parameters;
    elevation::SplitProgram(commandLine, FindProgramFile, &program, &parameters);
    // The launcher window owns the prompt, so that it comes up in front of it, not behind.
    // No system box on a failure (the launcher shows its own), and the call returns only
    // when the start is done: an auto-start ends the launcher right after it.
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | (process ? SEE_MASK_NOCLOSEPROCESS : 0);
    info.hwnd = owner;
    info.lpFile = program.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = kShowCommand;
    bool done = ShellExecuteWithCom(&info);
    if (process && done) *process = info.hProcess;
    return done;
  }
  return false;
}

// Starting a command line: CreateProcessW as WinExec uses CreateProcessA, and the shell
// when Windows answers that the program needs elevation. The line is Unicode throughout:
// a program or argument that the ANSI code page cannot spell starts as well.
#include "commands/command_start_win32.h"

#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include "base/text.h"
#include "base/wide_text_win32.h"
#include "commands/elevation.h"

namespace {

const int kShowCommand = SW_SHOWMAXIMIZED;

// How CreateProcess looks up each prefix of an unquoted command line: ".exe" added to
// a name without an extension, then the system's search order, the program's own folder
// first (where the current directory stands in it, see the design notes). A folder is
// not a program. The name and the path are UTF-8.
bool FindProgramFile(const char* name, Text* path) {
  wchar_t found[MAX_PATH];
  WideText wideName(name);
  if (!wideName.ok()) return false;
  DWORD length = SearchPathW(nullptr, wideName.get(), L".exe", MAX_PATH, found, nullptr);
  if (length == 0 || length >= MAX_PATH) return false;
  DWORD attributes = GetFileAttributesW(found);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  *path = Utf8FromWide(found);
  return true;
}

// The shell shows the elevation prompt, and may run shell extensions, through COM, so
// COM is set up on this thread, as Microsoft asks of every caller of ShellExecuteEx. It
// is set up once and kept for the thread's life: a screen reader may be holding the
// buttons' accessible objects in this same apartment, and tearing it down after the
// prompt would cut them off. ole32.dll is loaded only on the first elevation, so starting
// the launcher and every other program costs nothing more, and by its full path in the
// system folder, never from the disc.
void JoinComApartmentOnce() {
  static bool joined = false;
  if (joined) return;
  joined = true;
  typedef HRESULT(WINAPI * CoInitializeExFn)(void*, DWORD);
  static const WCHAR kName[] = L"\\ole32.dll";
  WCHAR path[MAX_PATH];
  UINT length = GetSystemDirectoryW(path, MAX_PATH - ARRAYSIZE(kName));
  if (length == 0 || length >= MAX_PATH - ARRAYSIZE(kName)) return;
  lstrcpyW(path + length, kName);
  HMODULE ole32 = LoadLibraryW(path);
  CoInitializeExFn initialize =
      ole32 ? (CoInitializeExFn)(void*)GetProcAddress(ole32, "CoInitializeEx") : nullptr;
  // An apartment the thread already has (a screen reader's request made one) stays as it is.
  if (initialize) initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

}  // namespace

// WinExec is CreateProcess with the command line alone and the show command in the
// start-up information, but it reports every failure as a small number, so a setup
// program that needs administrator rights on Vista and later (CreateProcess fails
// with ERROR_ELEVATION_REQUIRED, 740) is simply "not started". So the start goes
// through CreateProcessW with what WinExec passes (WinExec has no Unicode form); on 740
// the same program is handed to the shell, which asks the user for elevation. Any other
// failure is WinExec's failure too: running WinExec after it would only start the same
// line a second time (and show a box of the system's own twice, as for a 16-bit program
// on 64-bit Windows).
bool StartCommandLine(const char* commandLine, HWND owner, HANDLE* process, HANDLE job) {
  if (process) *process = nullptr;
  // Each Windows call gets its UTF-16 copy of the UTF-8 line.
  Text line(commandLine);
  WideText writable(line.c_str());  // CreateProcessW may write into its command line
  if (!line.ok() || !writable.ok()) return false;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = kShowCommand;
  PROCESS_INFORMATION startedProcess = {};
  // Into the job before it runs a line of its own, so that every process it starts is
  // in the job too; where the job will not take it, it runs as it would have.
  BOOL started = CreateProcessW(nullptr, writable.get(), nullptr, nullptr, FALSE, job ? CREATE_SUSPENDED : 0,
                                nullptr, nullptr, &startup, &startedProcess);
  DWORD error = started ? 0 : GetLastError();
  if (started) {
    // WinExec would wait here, up to 30 seconds, for the program to wait for input. The
    // launcher has nothing to say to the program, and that wait would stop its window
    // from painting and from answering a screen reader: it returns at once. The system
    // shows the starting cursor over the new program until its first window is ready.
    // A caller that waits for the whole process gets its handle.
    if (job) {
      AssignProcessToJobObject(job, startedProcess.hProcess);
      ResumeThread(startedProcess.hThread);
    }
    CloseHandle(startedProcess.hThread);
    if (process)
      *process = startedProcess.hProcess;
    else
      CloseHandle(startedProcess.hProcess);
    return true;
  }
  if (elevation::ShouldRetryElevated(error)) {
    Text program, parameters;
    elevation::SplitProgram(line.c_str(), FindProgramFile, &program, &parameters);
    WideText file(program.c_str()), arguments(parameters.c_str());
    if (!file.ok() || !arguments.ok()) return false;
    // The launcher window owns the prompt, so that it comes up in front of it, not behind.
    // No system box on a failure (the launcher shows its own), and the call returns only
    // when the start is done: an auto-start ends the launcher right after it.
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | (process ? SEE_MASK_NOCLOSEPROCESS : 0);
    info.hwnd = owner;
    info.lpFile = file.get();
    info.lpParameters = parameters.empty() ? nullptr : arguments.get();
    info.nShow = kShowCommand;
    JoinComApartmentOnce();
    bool done = ShellExecuteExW(&info) != FALSE;
    if (process && done) *process = info.hProcess;
    return done;
  }
  return false;
}

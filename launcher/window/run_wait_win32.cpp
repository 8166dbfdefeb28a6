// The wait of QXrun=wait over a job that holds the program and what it starts.
#include "window/run_wait_win32.h"

#include "commands/command_line.h"
#include "commands/command_start_win32.h"
#include "menu/menu_entry.h"

namespace {

// How often the job is asked whether any of its processes is left: its messages are
// not guaranteed to arrive (the port's queue may be full), its count always answers.
const DWORD kPollInterval = 250;
const ULONG_PTR kJobKey = 1;

}  // namespace

// The program and every process it starts: a job whose messages go to a port. Children
// may leave it (a program that asks to break away still starts); the processes go on
// when the launcher lets go of the job.
class RunWait::ProgramJob {
 public:
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  HANDLE port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
  ProgramJob() {
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT link = {(void*)kJobKey, port};
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_BREAKAWAY_OK;
    if (job &&
        (!port ||
         !SetInformationJobObject(job, JobObjectAssociateCompletionPortInformation, &link, sizeof link) ||
         !SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits))) {
      CloseHandle(job);
      job = nullptr;
    }
  }
  ~ProgramJob() {
    if (job) CloseHandle(job);
    if (port) CloseHandle(port);
  }
  // Has the last process of the job ended?
  bool Emptied() const {
    DWORD message;
    ULONG_PTR key;
    OVERLAPPED* process;
    while (GetQueuedCompletionStatus(port, &message, &key, &process, 0))
      if (key == kJobKey && message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) return true;
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION counts = {};
    return QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &counts, sizeof counts,
                                     nullptr) &&
           counts.ActiveProcesses == 0;
  }
};

RunWait::Outcome RunWait::StartAndWait(HWND window, const char* commandLine) {
  ProgramJob tree;
  HANDLE process = nullptr;
  if (!StartCommandLine(commandLine, window, &process, tree.job)) return kNotStarted;
  // Without a process (the shell handed a document to a running program) nothing waits.
  if (!process) return kOver;
  // An elevated program, or one the job would not take (the launcher is in a job of its
  // own that forbids it): the program alone is waited for.
  BOOL inJob = FALSE;
  if (tree.job && !IsProcessInJob(process, tree.job, &inJob)) inJob = FALSE;
  const bool back = WaitMinimised(window, process, inJob ? &tree : nullptr);
  CloseHandle(process);
  return back ? kWindowBack : kOver;
}

bool RunWait::WaitMinimised(HWND window, HANDLE process, const ProgramJob* tree) {
  HWND focus = GetFocus();
  focusId_ = focus && IsChild(window, focus) ? GetDlgCtrlID(focus) : 0;
  waiting_ = true;
  for (UINT id = command::kFirstButtonId; id < command::kFirstButtonId + MenuEntryTable::kSize; id++)
    if (HWND button = GetDlgItem(window, id)) EnableWindow(button, FALSE);
  // On the task bar, where the user finds it; restored by the user, it is back at once.
  ShowWindow(window, SW_MINIMIZE);
  bool quit = false;
  while (!quit && IsWindowVisible(window) && IsIconic(window)) {
    DWORD woke = MsgWaitForMultipleObjects(tree ? 0 : 1, &process, FALSE, tree ? kPollInterval : INFINITE,
                                           QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0 && !tree) break;
    if (tree && tree->Emptied()) break;
    MSG message;
    while (!quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // For the loop that runs the window, once this wait is over.
        PostQuitMessage((int)message.wParam);
        quit = true;
      } else if (!IsDialogMessageW(window, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  waiting_ = false;
  // Closed meanwhile (from the task bar, or the session ends): nothing comes back.
  if (quit || !IsWindow(window) || !IsWindowVisible(window)) return false;
  // Restored first: a minimised window's place is the icon's, and the menu made anew is
  // laid out for the work area that holds the window.
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  return true;
}

void RunWait::GiveFocusBack(HWND window) const {
  HWND back = focusId_ ? GetDlgItem(window, focusId_) : nullptr;
  if (!back || !IsWindowEnabled(back) || !IsWindowVisible(back))
    back = GetNextDlgTabItem(window, nullptr, FALSE);
  if (back) SendMessageA(window, WM_NEXTDLGCTL, (WPARAM)back, TRUE);
}

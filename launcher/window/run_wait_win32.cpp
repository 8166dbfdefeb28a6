// QXrun=wait: the launcher window hidden while a started program runs. The window
// thread does not block: it goes on answering its messages (the system's, a screen
// reader's) while it waits for the process to end.
#include <windows.h>

#include "window/launcher_dialog.h"

void LauncherDialog::HideWhileRunning(HANDLE process) {
  // No process to wait for (the shell started it elsewhere): the window stays.
  if (!process) return;
  waiting = true;
  ShowWindow(handle_, SW_HIDE);
  bool quit = false;
  while (!quit && MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // For the loop that runs the window, once this wait is over.
        PostQuitMessage((int)message.wParam);
        quit = true;
        break;
      }
      if (!IsDialogMessageA(handle_, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
  }
  CloseHandle(process);
  waiting = false;
  if (quit || !IsWindow(handle_)) return;
  ShowWindow(handle_, SW_SHOW);
  SetForegroundWindow(handle_);
}

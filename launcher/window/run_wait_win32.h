// RunWait: QXrun=wait. The launcher window minimised to the task bar, its buttons
// disabled, while a started program and the processes it started run; the window thread
// does not block: it goes on answering its messages (the system's, a screen reader's).
#pragma once
#include <windows.h>

class RunWait {
 public:
  enum Outcome {
    kNotStarted,  // nothing was started
    kOver,        // started, and nothing comes back: no process to wait for, or the window closed
    kWindowBack,  // the program ended or the user restored the window: it is restored and in front
  };
  // Starts commandLine for window and waits as above.
  Outcome StartAndWait(HWND window, const char* commandLine);
  // After a kWindowBack and the menu made anew: the focus where it was, or on the first
  // control that takes it.
  void GiveFocusBack(HWND window) const;
  // Minimised while a started program runs: no entry runs.
  bool waiting() const { return waiting_; }

 private:
  // The program and every process it starts, when the job could take them.
  class ProgramJob;
  // True when the window is back.
  bool WaitMinimised(HWND window, HANDLE process, const ProgramJob* tree);

  bool waiting_ = false;
  int focusId_ = 0;  // the control that had the focus when the wait began
};

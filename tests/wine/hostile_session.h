// One launcher run in the hostile-disc and soak tests: started, checked alive and
// answering, ended within the wait. A launcher that does not answer hangs.
#pragma once
#include <stdio.h>
#include <windows.h>

#include "check.h"
#include "launcher_driver.h"

namespace hostile {

const DWORD kAnswerMs = 3000;  // a launcher that does not answer a message in this time hangs

// Stretched where every step is slower: a first start in a new session on a loaded,
// emulated machine can still be busy in its initialisation for a few seconds.
inline bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return window &&
         SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, driver::Scaled(kAnswerMs), &result) != 0;
}

// A crashing launcher must fail its case at once: Wine's crash dialog would keep
// the crashed process (and this test's output) waiting for a click.
inline void QuietCrashes() {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineDbg", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr))
    return;
  DWORD no = 0;
  RegSetValueExA(key, "ShowCrashDialog", 0, REG_DWORD, (const BYTE*)&no, sizeof no);
  RegCloseKey(key);
}

// Says how a launcher that should be running ended (an exception code means a crash).
inline void ReportEnd(const driver::Launcher& launcher) {
  DWORD code = STILL_ACTIVE;
  if (launcher.started && GetExitCodeProcess(launcher.pi.hProcess, &code) && code != STILL_ACTIVE)
    printf("note: [%s] the launcher ended with exit code 0x%lx%s\n", check::counts().testCase, code,
           code >= 0xC0000000 ? " (crashed)" : "");
}

// Starts the launcher on the disc and checks that its window came and answers.
inline bool Start(driver::Launcher& launcher, const driver::Disc& disc) {
  DWORD begin = GetTickCount();
  driver::StartLauncher(launcher, disc);
  bool up = launcher.window && driver::IsRunning(launcher) && Answers(launcher.window);
  CHECK(up);
  if (!up) {
    printf("note: [%s] no answering launcher window after %lu ms\n", check::counts().testCase,
           GetTickCount() - begin);
    ReportEnd(launcher);
  }
  return up;
}

// The launcher is still there and answers, then ends within the wait when asked.
inline void CheckAliveThenEnd(driver::Launcher& launcher) {
  bool running = driver::IsRunning(launcher);
  CHECK(running);
  if (!running) ReportEnd(launcher);
  CHECK(Answers(launcher.window));
  CHECK(driver::EndLauncher(launcher));
}

}  // namespace hostile

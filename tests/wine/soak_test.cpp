// Soak: one launcher process through thousands of reloads and popup openings,
// driven by posted messages. Its memory must stay flat, and at the end every
// button must still paint right and run its own command.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "check.h"
#include "hostile_screen.h"
#include "hostile_session.h"
#include "launcher_driver.h"

namespace {

// Reloads and popup openings, taking turns. Under CPU emulation every step costs
// about ten times as much, so there the soak is a tenth as long, with as many samples;
// SOAK_TURNS in the environment sets another length (a multiple of 10).
int Iterations() {
  char value[16] = "";
  if (GetEnvironmentVariableA("SOAK_TURNS", value, sizeof value) && atoi(value) >= 10) return atoi(value);
  return driver::CpuEmulated() ? 500 : 5000;
}
// Iterations between two memory samples.
int SampleEvery() { return Iterations() / 10; }
// Flat: the last sample may exceed the one after the first SampleEvery()
// iterations by this much at most (the heap grows in steps, never by a leak's slope).
const SIZE_T kMarginBytes = 1024 * 1024;
const DWORD kStepMs = 5000;  // one reload or popup that takes longer counts as a hang
const int kButtons = 5;
const int kIcons[kButtons] = {201, 205, 210, 224, 200};

const char kMenu[] =
    "[autorun]\r\nopen=autorun.exe\r\ntitle=Soak\r\nQXName=soak\r\nQXicon=1,5,10,24\r\n"
    "shell\\reload=&Reload\r\nshell\\reload\\command=[page.inf]\r\n"
    "shell\\popup=&Popup\r\nshell\\popup\\command=<popup.inf>\r\n"
    "QXspace=6\r\n"
    "shell\\three=Three\r\nshell\\three\\command=rec.exe soak-3\r\n"
    "shell\\four=Four\r\nshell\\four\\command=rec.exe soak-4\r\n"
    "shell\\five=Five without icon\r\nshell\\five\\command=rec.exe soak-5\r\n";
const char kPopup[] =
    "shell\\a=Popup one\r\nshell\\a\\command=rec.exe popup-1\r\nQXspace=1\r\n"
    "shell\\b=Popup two\r\nshell\\b\\command=rec.exe popup-2\r\n"
    "shell\\c=Popup three\r\nshell\\c\\command=[page.inf]\r\n";
const char* const kCaptions[kButtons] = {"&Reload", "&Popup", "Three", "Four", "Five without icon"};

// PROCESS_MEMORY_COUNTERS, as K32GetProcessMemoryInfo of kernel32 fills it.
struct MemoryCounters {
  DWORD cb, pageFaultCount;
  SIZE_T peakWorkingSetSize, workingSetSize, quotaPeakPagedPoolUsage, quotaPagedPoolUsage,
      quotaPeakNonPagedPoolUsage, quotaNonPagedPoolUsage, pagefileUsage, peakPagefileUsage;
};
typedef BOOL(WINAPI* MemoryInfoFn)(HANDLE, MemoryCounters*, DWORD);

struct Sample {
  int iteration;
  SIZE_T privateBytes, workingSet;
  DWORD gdiObjects, userObjects;
};

bool TakeSample(HANDLE process, int iteration, Sample* sample) {
  static MemoryInfoFn memoryInfo =
      (MemoryInfoFn)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo");
  MemoryCounters counters = {};
  counters.cb = sizeof counters;
  if (!memoryInfo || !memoryInfo(process, &counters, sizeof counters)) return false;
  sample->iteration = iteration;
  sample->privateBytes = counters.pagefileUsage;
  sample->workingSet = counters.workingSetSize;
  sample->gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  sample->userObjects = GetGuiResources(process, GR_USEROBJECTS);
  printf("sample after %4d: private %6lu KB, working set %6lu KB, GDI objects %lu, USER objects %lu\n",
         iteration, (unsigned long)(sample->privateBytes / 1024), (unsigned long)(sample->workingSet / 1024),
         sample->gdiObjects, sample->userObjects);
  fflush(stdout);
  return true;
}

struct PopupSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchPopup(HWND window, LPARAM data) {
  PopupSearch* search = (PopupSearch*)data;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[16];
  if (owner != search->processId || !IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name) ||
      strcmp(name, "#32768"))
    return TRUE;
  search->found = window;
  return FALSE;
}

// Polls without the driver's pauses: thousands of steps must stay fast.
HWND FindPopup(DWORD processId) {
  PopupSearch search = {processId, nullptr};
  EnumWindows(MatchPopup, (LPARAM)&search);
  return search.found;
}

// Clicks the reload button; true when the old buttons went and new ones came.
bool Reload(HWND window) {
  HWND old = GetDlgItem(window, 1001);
  if (!old) return false;
  driver::PostClick(old);
  for (DWORD start = GetTickCount(); IsWindow(old); Sleep(0))
    if (GetTickCount() - start > kStepMs) return false;
  // The reload runs inside one message; once it answers, the load is complete.
  return hostile::Answers(window) && GetDlgItem(window, 1000 + kButtons) != 0;
}

// Clicks the popup button, waits for the popup and dismisses it with Escape.
bool OpenAndDismissPopup(HWND window, DWORD processId) {
  HWND button = GetDlgItem(window, 1002);
  if (!button) return false;
  driver::PostClick(button);
  HWND popup = nullptr;
  for (DWORD start = GetTickCount(); !(popup = FindPopup(processId)); Sleep(0))
    if (GetTickCount() - start > kStepMs) return false;
  driver::PostKey(popup, VK_ESCAPE);
  for (DWORD start = GetTickCount(); IsWindow(popup) && IsWindowVisible(popup); Sleep(0))
    if (GetTickCount() - start > kStepMs) return false;
  return hostile::Answers(window);
}

void CheckButtonsAtTheEnd(const driver::Disc& disc, HWND window) {
  TEST_CASE("buttons after the soak");
  static driver::Button buttons[driver::kMaxButtons];
  CHECK_EQ(driver::ListButtons(window, buttons, driver::kMaxButtons), kButtons);
  char exe[MAX_PATH];
  driver::DiscPath(disc, "autorun.exe", exe, sizeof exe);
  hostile::LauncherIcons icons(exe);
  driver::BringToFront(window);
  for (int i = 0; i < kButtons; i++) {
    HWND button = GetDlgItem(window, 1001 + i);
    char text[256] = "";
    driver::WindowText(button, text, sizeof text);
    CHECK_STR(text, kCaptions[i]);
    HICON icon = kIcons[i] == 200 ? nullptr : icons.Icon(kIcons[i]);
    hostile::ButtonLook look = hostile::WaitForButtonLook(button, icon, 2000);
    CHECK(hostile::LooksRight(look, icon != nullptr));
    if (!hostile::LooksRight(look, icon != nullptr))
      printf("note: button %d: frame %d face %d icon %d matches %d\n", i, look.frame, look.face,
             look.iconPresent, look.iconMatches);
  }
  // Their commands are their own: the third runs the recorder with its own text.
  driver::PostClick(GetDlgItem(window, 1003));
  driver::Record records[driver::kMaxRecords];
  int n = driver::WaitForRecords(disc, 1, records, driver::kMaxRecords);
  CHECK_EQ(n, 1);
  if (n >= 1) CHECK(strstr(records[0].commandLine, "rec.exe soak-3") != nullptr);
}

}  // namespace

int main() {
  hostile::QuietCrashes();
  driver::Disc disc;
  driver::Launcher launcher;
  TEST_CASE("soak disc");
  bool made = driver::MakeDisc(disc, "soak") && driver::CopyRecorder(disc, "rec.exe") &&
              driver::WriteDiscFile(disc, "autorun.inf", kMenu) &&
              driver::WriteDiscFile(disc, "page.inf", kMenu) &&
              driver::WriteDiscFile(disc, "popup.inf", kPopup);
  CHECK(made);
  if (made && hostile::Start(launcher, disc)) {
    TEST_CASE("reloads and popups");
    HWND window = launcher.window;
    Sample first = {}, last = {};
    int done = 0;
    DWORD begin = GetTickCount();
    for (int i = 1; i <= Iterations(); i++) {
      bool ok = i % 2 ? Reload(window) : OpenAndDismissPopup(window, launcher.pi.dwProcessId);
      if (!ok) {
        printf("note: iteration %d (%s) failed after %lu ms\n", i, i % 2 ? "reload" : "popup",
               GetTickCount() - begin);
        break;
      }
      done = i;
      if (i % SampleEvery() == 0) TakeSample(launcher.pi.hProcess, i, i == SampleEvery() ? &first : &last);
    }
    DWORD elapsed = GetTickCount() - begin;
    printf("soak: %d of %d iterations in %lu ms (%.1f ms each)\n", done, Iterations(), elapsed,
           done ? (double)elapsed / done : 0.0);
    CHECK_EQ(done, Iterations());
    TEST_CASE("memory stays flat");
    CHECK(first.privateBytes > 0 && last.privateBytes > 0);
    CHECK(last.privateBytes <= first.privateBytes + kMarginBytes);
    CHECK(last.workingSet <= first.workingSet + kMarginBytes);
    // Where the system counts them, the window objects stay flat as well.
    CHECK(last.gdiObjects <= first.gdiObjects + 16);
    CHECK(last.userObjects <= first.userObjects + 16);
    if (done == Iterations()) CheckButtonsAtTheEnd(disc, window);
    TEST_CASE("end");
    hostile::CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
  return check::Summary();
}

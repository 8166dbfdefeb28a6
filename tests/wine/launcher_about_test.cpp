// End-to-end checks of the About box and the auto-start choice: its texts and list, the
// animation, storing the choice in QXAutorun.ini, the entry that starts by itself on the
// next start (or not, with Shift held), the stored values that start nothing or something
// unexpected, and a reload that reloads itself.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "check.h"
#include "launcher_driver.h"
#include "res/resource_ids.h"

using namespace driver;

namespace {

constexpr int kAboutCommand = ID_ABOUT_COMMAND;
constexpr int kAnimationIconId = ID_ANIMATION_ICON;
constexpr int kFrameLabelId = ID_FRAME_LABEL;
constexpr int kVersionLabelId = ID_VERSION_LABEL;
constexpr int kAutoStartLabelId = ID_AUTO_START_LABEL;
constexpr int kAutoStartListId = ID_AUTO_START_LIST;
constexpr const char* kSection = "E2E About Disc";
constexpr const char* kTranslatedSection = "E2E \xD0\x9F\xD0\xB5\xD1\x80\xD0\xB5\xD0\xB2\xD0\xBE\xD0\xB4";  // Перевод
constexpr const char* kLoopSection = "E2E Loop Disc";

// Entry 2 has an empty caption, so it has no list item: the list reads <none>, Install,
// Read me, Tools, and item 3 stands for entry 3 (Tools) but stores 3, which is entry 2.
const char kMenu[] =
    "[autorun]\r\n"
    "QXName=E2E About Disc\r\n"
    "shell\\install=&Install\r\nshell\\install\\command=recorder.exe install\r\n"
    "shell\\readme=Read&me\r\nshell\\readme\\command=recorder.exe readme\r\n"
    "shell\\blank=\r\nshell\\blank\\command=recorder.exe blank\r\n"
    "shell\\tools=Tools &\r\nshell\\tools\\command=tool.exe about\r\n";

HWND OpenAbout(const Launcher& launcher, HWND window) {
  PostMessageA(window, WM_SYSCOMMAND, kAboutCommand, 0);
  HWND about = WaitForAboutBox(launcher);
  CHECK(about != 0);
  if (about) WaitIdle(launcher);
  return about;
}

void ListItem(HWND list, int index, char* out, int size) {
  wchar_t wide[512] = L"";
  LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
  if (length >= 0 && length < 512) SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide));
  WideCharToMultiByte(CP_ACP, 0, wide, -1, out, size, nullptr, nullptr);
}

void CheckList(HWND about, const char* const* want, int count) {
  HWND list = GetDlgItem(about, kAutoStartListId);
  CHECK(list != 0);
  CHECK_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), count);
  for (int i = 0; i < count; i++) {
    char item[512];
    ListItem(list, i, item, sizeof item);
    CHECK_STR(item, want[i]);
  }
}

int Selection(HWND about) { return (int)SendMessageW(GetDlgItem(about, kAutoStartListId), CB_GETCURSEL, 0, 0); }

void CheckText(HWND window, const char* want) {
  char text[512];
  WindowText(window, text, sizeof text);
  CHECK_STR(text, want);
}

// The build date: three-letter English month, the day right-aligned in two places, a
// four-digit year ("Nov  2 2003").
bool IsBuildDate(const char* d) {
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (strlen(d) != 11 || d[3] != ' ' || d[6] != ' ') return false;
  bool month = false;
  for (const char* m : months) month = month || strncmp(d, m, 3) == 0;
  bool day = (d[4] == ' ' || (d[4] >= '1' && d[4] <= '3')) && d[5] >= '0' && d[5] <= '9';
  bool year = true;
  for (int i = 7; i < 11; i++) year = year && d[i] >= '0' && d[i] <= '9';
  return month && day && year;
}

bool Close(HWND about, WPARAM how) {
  PostMessageA(about, WM_COMMAND, how, 0);
  return WaitForGone(about);
}

// The launcher writes the choice once the box is gone: the value may come a moment later.
void CheckStored(const char* section, const char* want) {
  char value[64];
  WaitUntil([&] {
    ReadAutoStart(section, value, sizeof value);
    return strcmp(value, want) == 0;
  });
  CHECK_STR(value, want);
}

// The size that template 100 of autorun.exe gives the animation icon, in dialog units. An
// item of a DIALOG template is DWORD aligned: style, extended style, then x, y, cx, cy and
// the identifier as WORDs.
SIZE TemplateIconSize() {
  SIZE size = {-1, -1};
  char path[MAX_PATH];
  snprintf(path, sizeof path, "%s\\autorun.exe", getenv("DISC_BIN_DIR"));
  HMODULE exe = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC found = exe ? FindResourceA(exe, MAKEINTRESOURCEA(100), RT_DIALOG) : nullptr;
  const BYTE* bytes = found ? static_cast<const BYTE*>(LockResource(LoadResource(exe, found))) : nullptr;
  for (DWORD at = 0; bytes && at + 18 <= SizeofResource(exe, found); at += 4) {
    const WORD* item = reinterpret_cast<const WORD*>(bytes + at + 8);
    if (item[4] == kAnimationIconId && item[0] == 7 && item[1] == 7) size = SIZE{item[2], item[3]};
  }
  if (exe) FreeLibrary(exe);
  return size;
}

// ---- Cases -----------------------------------------------------------------------------

void TestTextsAndAnimation(const Launcher& launcher, HWND window) {
  TEST_CASE("About box: caption, version with build date, label, list from the buttons");
  HWND about = OpenAbout(launcher, window);
  if (!about) return;
  CHECK(GetWindow(about, GW_OWNER) == window);
  CheckText(about, "About Autorun");
  char version[128];
  WindowText(GetDlgItem(about, kVersionLabelId), version, sizeof version);
  const char prefix[] = "Autorun version 1.32 - ";
  CHECK(strncmp(version, prefix, sizeof prefix - 1) == 0);
  CHECK(IsBuildDate(version + sizeof prefix - 1));
  printf("version label: %s\n", version);
  CheckText(GetDlgItem(about, kAutoStartLabelId), "Auto start:");
  const char* const items[] = {"<none>", "Install", "Read me", "Tools"};
  CheckList(about, items, 4);
  CHECK_EQ(Selection(about), 0);

  TEST_CASE("About box: the frame number and the icon advance about every 500 ms");
  HWND frame = GetDlgItem(about, kFrameLabelId);
  HWND icon = GetDlgItem(about, kAnimationIconId);
  char text[16] = "";
  WindowText(frame, text, sizeof text);
  LRESULT firstIcon = SendMessageW(icon, STM_GETICON, 0, 0);
  // The template gives the icon 20 by 20 units; the static sizes itself to the icon, whole.
  SIZE units = TemplateIconSize();
  CHECK(units.cx == 20 && units.cy == 20);
  RECT client = {};
  GetClientRect(icon, &client);
  CHECK_EQ(client.right, GetSystemMetrics(SM_CXICON));
  CHECK_EQ(client.bottom, GetSystemMetrics(SM_CYICON));
  DWORD start = GetTickCount();
  CHECK(WaitUntil([&] {
    WindowText(frame, text, sizeof text);
    return strcmp(text, "1") != 0;
  }, Scaled(2000)));
  DWORD first = GetTickCount() - start;
  CHECK_STR(text, "2");
  CHECK(SendMessageW(icon, STM_GETICON, 0, 0) != firstIcon);
  CHECK(WaitUntil([&] {
    WindowText(frame, text, sizeof text);
    return strcmp(text, "3") == 0;
  }, Scaled(2000)));
  DWORD second = GetTickCount() - start;
  printf("frame 2 after %lu ms, frame 3 after %lu ms\n", first, second);
  CHECK(first <= 700);
  CHECK(second - first >= 300 && second - first <= 900);
  CHECK(Close(about, IDCANCEL));
  CHECK(IsRunning(launcher));
}

void TestChoosing(const Launcher& launcher, HWND window) {
  TEST_CASE("choose Tools and OK: the list index is stored under the disc's name");
  HWND about = OpenAbout(launcher, window);
  if (!about) return;
  BringToFront(about);
  for (int i = 0; i < 3; i++) PressKey(VK_DOWN);
  CHECK(WaitUntil([&] { return Selection(about) == 3; }, Scaled(2000)));
  Click(GetDlgItem(about, IDOK));
  CHECK(WaitForGone(about));
  CheckStored(kSection, "3");

  TEST_CASE("Escape leaves the stored value untouched, even after a change");
  about = OpenAbout(launcher, window);
  if (!about) return;
  CHECK_EQ(Selection(about), 3);
  BringToFront(about);
  PressKey(VK_UP);
  CHECK(WaitUntil([&] { return Selection(about) == 2; }, Scaled(2000)));
  PressKey(VK_ESCAPE);
  CHECK(WaitForGone(about));
  CheckStored(kSection, "3");

  TEST_CASE("the stored value preselects its item; values that are not positive preselect <none>");
  const struct {
    const char* stored;
    int selected;
  } preselect[] = {{"2", 2}, {"0", 0}, {"-1", 0}, {"abc", 0}, {"3abc", 3}, {"9", -1}};
  for (const auto& p : preselect) {
    CHECK(WriteAutoStart(kSection, p.stored));
    about = OpenAbout(launcher, window);
    if (!about) return;
    CHECK_EQ(Selection(about), p.selected);
    CHECK(Close(about, IDCANCEL));
  }
  TEST_CASE("OK with nothing selected stores -1");
  about = OpenAbout(launcher, window);
  if (!about) return;
  CHECK_EQ(Selection(about), -1);
  CHECK(Close(about, IDOK));
  CheckStored(kSection, "-1");

  TEST_CASE("choosing <none> and OK stores 0");
  CHECK(WriteAutoStart(kSection, "2"));
  about = OpenAbout(launcher, window);
  if (!about) return;
  BringToFront(about);
  PressKey(VK_HOME);
  CHECK(WaitUntil([&] { return Selection(about) == 0; }, Scaled(2000)));
  Click(GetDlgItem(about, IDOK));
  CHECK(WaitForGone(about));
  CheckStored(kSection, "0");
}

// Starts the launcher with a stored value and tells what happened.
struct AutoStartOutcome {
  bool ended;      // the launcher ended by itself
  int records;     // programs started
  char last[1024]; // the last started command line
};

AutoStartOutcome StartWith(const Disc& disc, const char* stored, bool holdShift = false,
                           const char* boxText = nullptr) {
  AutoStartOutcome outcome = {};
  ClearRecords(disc);
  CHECK(WriteAutoStart(kSection, stored));
  Launcher launcher;
  StartOptions options;
  options.waitForWindow = false;
  // Shift is held for the whole start, released once the window is there.
  if (holdShift) keybd_event(VK_SHIFT, 0, 0, 0);
  CHECK(StartLauncher(launcher, disc, options));
  if (boxText) {
    HWND box = WaitForMessageBox(launcher);
    CHECK(box != 0);
    char text[256] = "";
    if (box) MessageBoxText(box, text, sizeof text);
    CHECK_STR(text, boxText);
    CloseMessageBox(box);
  }
  // Either the window comes and stays, or the process ends by itself.
  WaitUntil([&] { return !IsRunning(launcher) || WaitForLauncherWindow(launcher, 0) != 0; });
  if (IsRunning(launcher)) WaitIdle(launcher);
  if (holdShift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  outcome.ended = WaitForSingleObject(launcher.pi.hProcess, kQuietMs) == WAIT_OBJECT_0;
  static Record records[kMaxRecords];
  outcome.records = WaitForRecords(disc, 1, records, kMaxRecords, outcome.ended ? Scaled(2000) : Scaled(300));
  if (outcome.records) lstrcpynA(outcome.last, records[outcome.records - 1].commandLine, sizeof outcome.last);
  if (outcome.ended) {
    CHECK(WaitForExit(launcher));
  } else {
    CHECK(EndLauncher(launcher));
  }
  return outcome;
}

void TestAutoStart(const Disc& disc) {
  TEST_CASE("stored 3 starts entry 2 (the one without list item) and the launcher ends");
  AutoStartOutcome o = StartWith(disc, "3");
  CHECK(o.ended);
  CHECK_EQ(o.records, 1);
  CHECK_STR(o.last, "recorder.exe blank");

  TEST_CASE("with Shift held the auto-start entry is skipped and the window stays");
  o = StartWith(disc, "3", true);
  CHECK(!o.ended);
  CHECK_EQ(o.records, 0);
  if (o.ended || o.records) printf("note: the launcher did not see Shift held by keybd_event in the test process\n");

  const struct {
    const char* name;
    const char* stored;
    bool ends;
    const char* started;  // nullptr: nothing starts
    const char* box;
  } cases[] = {
      {"stored 0: no auto-start", "0", false, nullptr, nullptr},
      {"stored -1: no auto-start", "-1", false, nullptr, nullptr},
      {"stored 3abc counts as 3", "3abc", true, "recorder.exe blank", nullptr},
      {"stored 1 starts the first entry", "1", true, "recorder.exe install", nullptr},
      {"stored 31 starts nothing, the launcher ends all the same", "31", true, nullptr, nullptr},
      {"stored 101 is entry 0 through the popup range", "101", true, "recorder.exe install", nullptr},
      {"stored 5, beyond the last entry: empty command, its box, then the end", "5", true, nullptr,
       "Unable to launch:\n''"},
  };
  for (const auto& c : cases) {
    TEST_CASE(c.name);
    o = StartWith(disc, c.stored, false, c.box);
    CHECK_EQ(o.ended, c.ends);
    CHECK_EQ(o.records, c.started ? 1 : 0);
    if (c.started) CHECK_STR(o.last, c.started);
  }
  CHECK(WriteAutoStart(kSection, "0"));
}

void TestTranslated() {
  TEST_CASE("About box texts from the Messages section; a disc named in Cyrillic keeps its own section");
  Disc disc;
  CHECK(MakeDisc(disc, "translated"));
  CHECK(WriteDiscFile(disc, "autorun.inf",
                      "[Messages]\r\n"
                      "AboutBoxTitle=A propos du disque\r\n"
                      "NoneText=(aucun)\r\n"
                      "AutoStart=Lancement :\r\n"
                      "[autorun]\r\nQXName=E2E \xD0\x9F\xD0\xB5\xD1\x80\xD0\xB5\xD0\xB2\xD0\xBE\xD0\xB4\r\n"
                      "shell\\a=&Premier&\r\nshell\\a\\command=a.exe\r\n"));
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    if (HWND about = OpenAbout(launcher, window)) {
      CheckText(about, "A propos du disque");
      CheckText(GetDlgItem(about, kAutoStartLabelId), "Lancement :");
      const char* const items[] = {"(aucun)", "Premier"};
      CheckList(about, items, 2);
      CHECK(Close(about, IDOK));
      CheckStored(kTranslatedSection, "0");
    }
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));
  CHECK(RemoveDisc(disc));
}

void TestReloadLoop() {
  TEST_CASE("an auto-start entry that reloads its own file stops at a bound; the window stays");
  Disc disc;
  CHECK(MakeDisc(disc, "loop"));
  CHECK(WriteDiscFile(disc, "autorun.inf",
                      "QXName=E2E Loop Disc\r\n"
                      "shell\\again=Again\r\nshell\\again\\command=[autorun.inf]\r\n"
                      "shell\\b=Other\r\nshell\\b\\command=b.exe\r\n"));
  CHECK(WriteAutoStart(kLoopSection, "1"));
  Launcher launcher;
  StartOptions options;
  options.waitForWindow = false;
  CHECK(StartLauncher(launcher, disc, options));
  HWND window = 0;
  int boxes = 0;
  WaitUntil([&] {
    if (HWND box = WaitForMessageBox(launcher, 0)) {
      char text[256];
      MessageBoxText(box, text, sizeof text);
      printf("reload loop box: %s\n", text);
      boxes++;
      CloseMessageBox(box);
    }
    window = WaitForLauncherWindow(launcher, 0);
    return window != 0 || !IsRunning(launcher);
  }, 2 * kWaitMs);
  CHECK(window != 0);
  CHECK(IsRunning(launcher));
  if (window) {
    WaitIdle(launcher);
    // The window stays open for the user.
    CHECK(WaitForSingleObject(launcher.pi.hProcess, kQuietMs) == WAIT_TIMEOUT);
    static Button buttons[kMaxButtons];
    CHECK_EQ(ListButtons(window, buttons, kMaxButtons), 2);
    printf("reload loop: %d boxes, window open with %d buttons\n", boxes, ListButtons(window, buttons, kMaxButtons));
  }
  CHECK(EndLauncher(launcher));
  CHECK(RemoveProfileSection(kLoopSection));
  CHECK(RemoveDisc(disc));
}

}  // namespace

int main() {
  if (!getenv("DISC_BIN_DIR") || !LauncherBuilt()) return 1;
  Disc disc;
  CHECK(MakeDisc(disc, "about"));
  static const char* const programs[] = {"recorder.exe", "tool.exe"};
  for (const char* name : programs) CHECK(CopyRecorder(disc, name));
  CHECK(WriteDiscFile(disc, "autorun.inf", kMenu));
  // The launcher makes the file: in UTF-16, so that a disc's name in any script is kept.
  DeleteFileW(ProfilePath().c_str());

  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    TestTextsAndAnimation(launcher, window);
    TestChoosing(launcher, window);
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));
  TEST_CASE("the profile file lives in the Windows directory, not on the disc, in UTF-16");
  char path[MAX_PATH];
  DiscPath(disc, "QXAutorun.ini", path, sizeof path);
  CHECK(!FileExists(path));
  CHECK(ProfileIsUnicode());

  TestAutoStart(disc);
  TestTranslated();
  TestReloadLoop();

  CHECK(RemoveProfileSection(kSection));
  CHECK(RemoveProfileSection(kTranslatedSection));
  CHECK(RemoveDisc(disc));
  return check::Summary();
}

// End-to-end checks of the keys that fit one disc to many users and machines: the start
// menu in the user's language (a German session picks the German file with its own
// Messages), entries shown and hidden by their conditions, a menu that goes away while its
// program runs or closes once it has started, and a button's tooltip.
#include <stdio.h>
#include <string.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "check.h"
#include "launcher_driver.h"
#include "res/resource_ids.h"

using namespace driver;

namespace {

constexpr int kFirstButtonId = ID_FIRST_BUTTON;
constexpr int kAboutCommand = ID_ABOUT_COMMAND;
constexpr int kAutoStartListId = ID_AUTO_START_LIST;
constexpr const char* kHiddenSection = "E2E Conditions Disc";

const char kStartMenu[] =
    "[autorun]\r\n"
    "title=English menu\r\n"
    "QXlanguage=de,de-AT lang\\deutsch.inf\r\n"
    "QXlanguage=fr missing.inf\r\n"
    "shell\\a=English entry\r\nshell\\a\\command=recorder.exe english\r\n";
const char kGermanMenu[] =
    "[autorun]\r\n"
    "title=Deutsches Men\xFC\r\n"
    "shell\\a=Installieren\r\nshell\\a\\command=recorder.exe deutsch\r\n"
    "shell\\b=Lesen\r\nshell\\b\\command=recorder.exe lesen\r\n"
    "[Messages]\r\nQuitButton=Beenden\r\n";

// The session's language has no line of its own; a German session (started with
// LC_ALL=de_DE.UTF-8, from which Wine takes the user's interface language) has one.
void TestLanguage(bool german) {
  Disc disc;
  CHECK(MakeDisc(disc, "languages"));
  CHECK(CopyRecorder(disc, "recorder.exe"));
  CHECK(WriteDiscFile(disc, "autorun.inf", kStartMenu));
  CreateDirectoryA((std::string(disc.dir) + "\\lang").c_str(), nullptr);
  CHECK(WriteDiscFile(disc, "lang\\deutsch.inf", kGermanMenu));
  struct Row {
    const char* name;
    const char* title;
    int buttons;
    const char* quit;
  } rows[] = {
      {"the session's own language has no line: autorun.inf", "English menu", 1, "&Quit"},
      {"a German session reads the German file, its Messages included", "Deutsches Men\xFC", 2, "Beenden"},
  };
  const Row& row = rows[german ? 1 : 0];
  TEST_CASE(row.name);
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = launcher.window) {
    char text[256];
    WindowText(window, text, sizeof text);
    CHECK_STR(text, row.title);
    Button buttons[kMaxButtons];
    CHECK_EQ(ListButtons(window, buttons, kMaxButtons), row.buttons);
    WindowText(GetDlgItem(window, IDOK), text, sizeof text);
    CHECK_STR(text, row.quit);
  }
  CHECK(EndLauncher(launcher));
  ForgetLauncher(launcher);
  RemoveDisc(disc);
}

// Entries 0, 2 and 4 are shown, 1 and 3 hidden; entry 3 is the stored auto-start.
const char kConditionsMenu[] =
    "[autorun]\r\n"
    "QXName=E2E Conditions Disc\r\n"
    "QXif=exists:present.txt \"exists:%WINDIR%\\system32\" !missing:present.txt\r\n"
    "shell\\a=Present\r\nshell\\a\\command=recorder.exe present\r\n"
    "QXif=exists:absent.txt\r\n"
    "shell\\b=Absent\r\nshell\\b\\command=recorder.exe absent\r\n"
    "QXif=later-condition !later-condition\r\n"
    "shell\\c=Unknown\r\nshell\\c\\command=recorder.exe unknown\r\n"
    "QXif=!exists:present.txt\r\n"
    "shell\\d=Not present\r\nshell\\d\\command=recorder.exe not-present\r\n"
    "QXif=missing:\\\\server\\share\\x !exists:\\\\server\\share\\x\r\n"
    "shell\\e=Network\r\nshell\\e\\command=recorder.exe network\r\n"
    "shell\\f=Last\r\nshell\\f\\command=recorder.exe last\r\n";

void TestConditions() {
  TEST_CASE("entries whose conditions fail have no button, and leave no hole");
  Disc disc;
  CHECK(MakeDisc(disc, "conditions"));
  CHECK(CopyRecorder(disc, "recorder.exe"));
  CHECK(WriteDiscFile(disc, "present.txt", "x"));
  CHECK(WriteDiscFile(disc, "autorun.inf", kConditionsMenu));
  // The choice of a hidden entry: nothing starts and the menu stays.
  CHECK(WriteAutoStart(kHiddenSection, "4"));
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = launcher.window) {
    Button buttons[kMaxButtons];
    int count = ListButtons(window, buttons, kMaxButtons);
    CHECK_EQ(count, 3);
    const int shown[] = {0, 2, 5};
    for (int i = 0; i < count && i < 3; i++) CHECK_EQ(buttons[i].id, kFirstButtonId + shown[i]);
    if (count >= 2) CHECK_EQ(buttons[1].rect.top - buttons[0].rect.bottom, 2);
    Sleep(kQuietMs);
    Record records[kMaxRecords];
    CHECK_EQ(ReadRecords(disc, records, kMaxRecords), 0);
    CHECK(IsRunning(launcher));
    // A command sent for a hidden entry's button starts nothing either.
    SendMessageA(window, WM_COMMAND, kFirstButtonId + 1, 0);
    Sleep(kQuietMs);
    CHECK_EQ(ReadRecords(disc, records, kMaxRecords), 0);

    TEST_CASE("the About box lists the shown entries, each storing its own number");
    PostMessageA(window, WM_SYSCOMMAND, kAboutCommand, 0);
    if (HWND about = WaitForAboutBox(launcher)) {
      WaitIdle(launcher);
      HWND list = GetDlgItem(about, kAutoStartListId);
      CHECK_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 4);        // <none>, Present, Unknown, Last
      CHECK_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);  // the stored choice is hidden
      SendMessageA(list, CB_SETCURSEL, 3, 0);
      PostMessageA(about, WM_COMMAND, IDOK, 0);
      CHECK(WaitForGone(about));
      char stored[16] = "";
      WaitUntil([&] {
        ReadAutoStart(kHiddenSection, stored, sizeof stored);
        return strcmp(stored, "6") == 0;
      });
      CHECK_STR(stored, "6");
    } else {
      CHECK(!"About box");
    }
  }
  CHECK(EndLauncher(launcher));
  ForgetLauncher(launcher);
  RemoveProfileSection(kHiddenSection);
  RemoveDisc(disc);
}

const char kRunStylesMenu[] =
    "[autorun]\r\n"
    "QXrun=wait\r\nQXtip=Runs for a while\r\n"
    "shell\\a=Wait\r\nshell\\a\\command=recorder.exe wait\r\n"
    "QXrun=close\r\n"
    "shell\\b=Close\r\nshell\\b\\command=recorder.exe close\r\n"
    "shell\\c=Stay\r\nshell\\c\\command=recorder.exe stay\r\n";

void TestRunStylesAndTip() {
  Disc disc;
  CHECK(MakeDisc(disc, "runstyles"));
  CHECK(CopyRecorder(disc, "recorder.exe"));
  CHECK(WriteDiscFile(disc, "autorun.inf", kRunStylesMenu));
  // The launcher's programs inherit it: each recorder stays three seconds.
  SetEnvironmentVariableA(kRecorderStayVariable, "3000");
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = launcher.window) {
    TEST_CASE("a tip: one tool of the launcher's tooltip control, for its button only");
    HWND tips = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    while (tips && GetWindow(tips, GW_OWNER) != window)
      tips = FindWindowExA(nullptr, tips, TOOLTIPS_CLASSA, nullptr);
    CHECK(tips != 0);
    if (tips) CHECK_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
    TEST_CASE("a tip: it shows when the pointer rests on the button");
    HWND first = GetDlgItem(window, kFirstButtonId);
    BringToFront(window);
    RECT r = WindowRectOf(first);
    // The pointer comes onto the button from outside the window, as a user's does; a
    // move that the window system had not passed on by the time the window came to the
    // front is made once more, as a user who waits for a tip moves the mouse again.
    bool shown = false;
    for (int attempt = 0; attempt < 3 && !shown && tips; attempt++) {
      SetCursorPos(r.left - 40, r.top - 40);
      mouse_event(MOUSEEVENTF_MOVE, 1, 0, 0, 0);
      Sleep(50);
      SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      mouse_event(MOUSEEVENTF_MOVE, 1, 0, 0, 0);  // a move the button itself sees
      shown = WaitUntil([&] { return IsWindowVisible(tips) != FALSE; }, kWaitMs / 3);
    }
    if (tips) {
      CHECK(shown);
      char text[128];
      WindowText(tips, text, sizeof text);
      CHECK_STR(text, "Runs for a while");
    }

    TEST_CASE("a tip: it wraps at the same width on a monitor of another scale");
    HDC screen = GetDC(nullptr);
    const int at = GetDeviceCaps(screen, LOGPIXELSY), other = at == 96 ? 144 : 96;
    ReleaseDC(nullptr, screen);
    const RECT was = WindowRectOf(window);
    if (tips) {
      const LRESULT width = SendMessageA(tips, TTM_GETMAXTIPWIDTH, 0, 0);
      CHECK(width > 0);
      CHECK(SendDpiChanged(window, at, other, {was.left, was.top}));
      CHECK_EQ(SendMessageA(tips, TTM_GETMAXTIPWIDTH, 0, 0), MulDiv(width, other, at));
      CHECK(SendDpiChanged(window, other, at, {was.left, was.top}));
      CHECK_EQ(SendMessageA(tips, TTM_GETMAXTIPWIDTH, 0, 0), width);
    }

    TEST_CASE("wait: the window goes while the program runs, answers, and comes back");
    Record records[kMaxRecords];
    PostClick(GetDlgItem(window, kFirstButtonId));
    CHECK_EQ(WaitForRecords(disc, 1, records, kMaxRecords), 1);
    CHECK(WaitUntil([&] { return !IsWindowVisible(window); }));
    DWORD_PTR answer;
    CHECK(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, Scaled(2000), &answer) != 0);
    CHECK(!IsWindowVisible(window));
    CHECK(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));

    TEST_CASE("close: the launcher ends once the program has started");
    PostClick(GetDlgItem(window, kFirstButtonId + 1));
    CHECK_EQ(WaitForRecords(disc, 2, records, kMaxRecords), 2);
    CHECK(WaitForExit(launcher));
  }
  SetEnvironmentVariableA(kRecorderStayVariable, nullptr);
  ForgetLauncher(launcher);
  RemoveDisc(disc);
}

}  // namespace

int main(int argc, char** argv) {
  if (!getenv("DISC_BIN_DIR") || !LauncherBuilt()) return 1;
  bool german = argc > 1 && strcmp(argv[1], "german") == 0;
  TestLanguage(german);
  if (!german) {
    TestConditions();
    TestRunStylesAndTip();
  }
  return check::Summary();
}

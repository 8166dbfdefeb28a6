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
    "QXrun=wait\r\nQXtip=Runs for a while\r\nQXif=missing:done.txt\r\n"
    "shell\\a=Wait\r\nshell\\a\\command=recorder.exe boot\r\n"
    "QXif=exists:done.txt\r\n"
    "shell\\i=Installed\r\nshell\\i\\command=recorder.exe installed\r\n"
    "QXrun=close\r\n"
    "shell\\b=Close\r\nshell\\b\\command=recorder.exe close\r\n"
    "shell\\c=Stay\r\nshell\\c\\command=recorder.exe stay\r\n";

// The launcher window's tooltip controls (one for the pointer, one for the keyboard), or
// the one of them that shows a tip now.
int OwnedTips(HWND window, HWND* found, bool shownOnly) {
  int n = 0;
  for (HWND tips = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tips && n < 2;
       tips = FindWindowExA(nullptr, tips, TOOLTIPS_CLASSA, nullptr))
    if (GetWindow(tips, GW_OWNER) == window && (!shownOnly || IsWindowVisible(tips))) found[n++] = tips;
  return n;
}

HWND ShownTip(HWND window) {
  HWND found[2] = {};
  return OwnedTips(window, found, true) ? found[0] : nullptr;
}

bool FileExists(const Disc& disc, const char* name) {
  return GetFileAttributesA((std::string(disc.dir) + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Unset variables, registry keys and values (a key the test writes), and x64, which the
// 32-bit test prefix lacks. Entries 0, 2, 3 and 6 are shown.
const char kMachineMenu[] =
    "[autorun]\r\n"
    "QXif=missing:%NoSuchTestVariable%\\x !exists:%NoSuchTestVariable%\\x\r\n"
    "shell\\a=Unset\r\nshell\\a\\command=recorder.exe a\r\n"
    "QXif=exists:%NoSuchTestVariable%\\x\r\n"
    "shell\\b=Unset exists\r\nshell\\b\\command=recorder.exe b\r\n"
    "QXif=registry:HKCU\\Software\\LauncherConditionTest\r\n"
    "shell\\c=Key\r\nshell\\c\\command=recorder.exe c\r\n"
    "QXif=registry:hkey_current_user\\Software\\LauncherConditionTest\\\\Dir\r\n"
    "shell\\d=Value\r\nshell\\d\\command=recorder.exe d\r\n"
    "QXif=registry:HKCU\\Software\\LauncherConditionTest\\\\Other\r\n"
    "shell\\e=No value\r\nshell\\e\\command=recorder.exe e\r\n"
    "QXif=registry:HKLM\\Software\\LauncherConditionTest\r\n"
    "shell\\f=No key\r\nshell\\f\\command=recorder.exe f\r\n"
    "QXif=32-bit !x64\r\n"
    "shell\\g=Not x64\r\nshell\\g\\command=recorder.exe g\r\n"
    "QXif=x64\r\n"
    "shell\\h=x64\r\nshell\\h\\command=recorder.exe h\r\n";

void TestMachineConditions() {
  TEST_CASE("unset variables, registry keys and values, x64");
  HKEY key;
  CHECK_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\LauncherConditionTest", 0, nullptr, 0, KEY_SET_VALUE,
                           nullptr, &key, nullptr),
           ERROR_SUCCESS);
  RegSetValueExA(key, "Dir", 0, REG_SZ, (const BYTE*)"C:\\x", 5);
  RegCloseKey(key);
  Disc disc;
  CHECK(MakeDisc(disc, "machine"));
  CHECK(WriteDiscFile(disc, "autorun.inf", kMachineMenu));
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = launcher.window) {
    Button buttons[kMaxButtons];
    int count = ListButtons(window, buttons, kMaxButtons);
    const int shown[] = {0, 2, 3, 6};
    CHECK_EQ(count, 4);
    for (int i = 0; i < count && i < 4; i++) CHECK_EQ(buttons[i].id, kFirstButtonId + shown[i]);
  }
  CHECK(EndLauncher(launcher));
  ForgetLauncher(launcher);
  RemoveDisc(disc);
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LauncherConditionTest");
}

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
    TEST_CASE("a tip: one tool of each of the launcher's two tooltip controls, for its button only");
    HWND both[2] = {};
    CHECK_EQ(OwnedTips(window, both, false), 2);
    for (HWND each : both)
      if (each) CHECK_EQ(SendMessageA(each, TTM_GETTOOLCOUNT, 0, 0), 1);
    HWND tips = nullptr;
    TEST_CASE("a tip: it shows when the pointer rests on the button");
    HWND first = GetDlgItem(window, kFirstButtonId);
    BringToFront(window);
    RECT r = WindowRectOf(first);
    // The pointer comes onto the button from outside the window, as a user's does; a
    // move that the window system had not passed on by the time the window came to the
    // front is made once more, as a user who waits for a tip moves the mouse again.
    bool shown = false;
    for (int attempt = 0; attempt < 3 && !shown && both[0]; attempt++) {
      SetCursorPos(r.left - 40, r.top - 40);
      mouse_event(MOUSEEVENTF_MOVE, 1, 0, 0, 0);
      Sleep(50);
      SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      mouse_event(MOUSEEVENTF_MOVE, 1, 0, 0, 0);  // a move the button itself sees
      shown = WaitUntil([&] { return (tips = ShownTip(window)) != nullptr; }, kWaitMs / 3);
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

    TEST_CASE("a tip: it shows under a button the keyboard brings the focus to; Esc takes it away");
    SetCursorPos(0, 0);  // away from the buttons: the pointer's tip goes
    mouse_event(MOUSEEVENTF_MOVE, 1, 0, 0, 0);
    WaitUntil([&] { return ShownTip(window) == nullptr; });
    BringToFront(window);
    PressKey(VK_TAB);  // from the Quit button round to the first
    HWND focusTips = nullptr;
    CHECK(WaitUntil([&] { return (focusTips = ShownTip(window)) != nullptr; }));
    if (focusTips) {
      char text[128];
      WindowText(focusTips, text, sizeof text);
      CHECK_STR(text, "Runs for a while");
      const RECT tip = WindowRectOf(focusTips), button = WindowRectOf(first);
      // At the button's left edge, just under it (the pointer's tip would be at the pointer).
      CHECK(tip.left >= button.left - 2 && tip.left <= button.left + 2);
      CHECK(tip.top >= button.bottom - 2 && tip.top <= button.bottom + 2);
      PressKey(VK_ESCAPE);
      CHECK(WaitUntil([&] { return !IsWindowVisible(focusTips); }));
      CHECK(IsWindow(window) && IsWindowVisible(window));  // the menu stays
    }

    TEST_CASE("wait: a bootstrapper and its setup; the menu minimised and disabled until both end");
    Record records[kMaxRecords];
    PostClick(GetDlgItem(window, kFirstButtonId));
    CHECK(WaitUntil([&] { return IsIconic(window) != FALSE; }));
    CHECK(!IsWindowEnabled(GetDlgItem(window, kFirstButtonId)));
    // The bootstrapper ends at once, its setup stays three seconds: the wait covers both
    // where the system puts the setup in the bootstrapper's job (Wine 8 does).
    CHECK_EQ(WaitForRecords(disc, 2, records, kMaxRecords), 2);
    DWORD_PTR answer;
    CHECK(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, Scaled(2000), &answer) != 0);
    CHECK(IsIconic(window) && !FileExists(disc, "done.txt"));
    TEST_CASE("wait: back with the conditions asked again, the setup's entry gone, the installed one there");
    CHECK(WaitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); }));
    CHECK(FileExists(disc, "done.txt"));
    // The window is restored before its menu is made anew: the Installed button comes
    // with the new menu, and the Stay button last.
    CHECK(WaitUntil([&] {
      return GetDlgItem(window, kFirstButtonId + 1) != nullptr && GetDlgItem(window, kFirstButtonId + 3) != nullptr;
    }));
    CHECK(GetDlgItem(window, kFirstButtonId) == nullptr);
    HWND installed = GetDlgItem(window, kFirstButtonId + 1);
    CHECK(installed && IsWindowEnabled(installed));

    TEST_CASE("close: the launcher ends once the program has started");
    PostClick(GetDlgItem(window, kFirstButtonId + 2));
    CHECK_EQ(WaitForRecords(disc, 3, records, kMaxRecords), 3);
    CHECK(WaitForExit(launcher));
  }
  SetEnvironmentVariableA(kRecorderStayVariable, nullptr);
  ForgetLauncher(launcher);
  RemoveDisc(disc);
}

}  // namespace

// A UTF-8 menu in five scripts on a machine whose ANSI code page (1252) has none of them,
// from a folder with a Cyrillic name, starting a program with a Cyrillic name and argument;
// a second page says it reads right to left.
const char kScriptsMenu[] =
    "title=\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E \xCE\x9C\xCE\xB5\xCE\xBD\xCE\xBF\xCF\x8D\r\n"  // Меню Μενού
    "shell\\a=&\xD0\xA3\xD1\x81\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2\xD0\xB8\xD1\x82\xD1\x8C\r\n"  // &Установить
    "shell\\a\\command=\xD0\xB7\xD0\xB0\xD0\xBF\xD0\xB8\xD1\x81\xD1\x8C.exe "
    "\xD0\xB0\xD1\x80\xD0\xB3\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\r\n"  // запись.exe аргумент
    "shell\\b=\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC\r\nshell\\b\\command=b.exe\r\n"  // Ελληνικά
    "shell\\c=\xE0\xA4\xB9\xE0\xA4\xBF\xE0\xA4\xA8\xE0\xA5\x8D\xE0\xA4\xA6\xE0\xA5\x80\r\nshell\\c\\command=c.exe\r\n"  // हिन्दी
    "shell\\d=\xD8\xA7\xD9\x84\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A\xD8\xA9\r\nshell\\d\\command=d.exe\r\n"  // العربية
    "shell\\e=\xE4\xB8\xAD\xE6\x96\x87\r\nshell\\e\\command=[page.inf]\r\n"  // 中文
    "[Messages]\r\nQuitButton=\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4\r\n";  // Выход
const char kRightToLeftPage[] = "QXdirection=rtl\r\nshell\\a=\xD7\x97\xD7\x96\xD7\xA8\xD7\x94\r\nshell\\a\\command=[autorun.inf]\r\n";

// The text a window holds, read without its procedure: the picture buttons' procedure is
// an ANSI one, which would hand out a Unicode caption narrowed.
std::wstring HeldText(HWND window) {
  wchar_t text[512] = L"";
  InternalGetWindowText(window, text, 512);
  return text;
}

bool MirroredWindow(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

void TestScripts() {
  TEST_CASE("a UTF-8 menu in five scripts, from a Cyrillic folder, under code page 1252");
  CHECK_EQ(GetACP(), 1252);
  Disc disc;
  CHECK(MakeDisc(disc, "\xD0\xB4\xD0\xB8\xD1\x81\xD0\xBA"));  // диск
  CHECK(CopyRecorder(disc, "\xD0\xB7\xD0\xB0\xD0\xBF\xD0\xB8\xD1\x81\xD1\x8C.exe"));  // запись.exe
  CHECK(WriteDiscFile(disc, "autorun.inf", kScriptsMenu));
  CHECK(WriteDiscFile(disc, "page.inf", kRightToLeftPage));
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  HWND window = launcher.window;
  CHECK(window != nullptr);
  if (window) {
    wchar_t title[256] = L"";
    GetWindowTextW(window, title, 256);
    CHECK(Wide("\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E \xCE\x9C\xCE\xB5\xCE\xBD\xCE\xBF\xCF\x8D") == title);
    CHECK(Wide("\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4") == HeldText(GetDlgItem(window, IDOK)));
    const char* captions[] = {"&\xD0\xA3\xD1\x81\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2\xD0\xB8\xD1\x82\xD1\x8C",
                              "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC",
                              "\xE0\xA4\xB9\xE0\xA4\xBF\xE0\xA4\xA8\xE0\xA5\x8D\xE0\xA4\xA6\xE0\xA5\x80",
                              "\xD8\xA7\xD9\x84\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A\xD8\xA9", "\xE4\xB8\xAD\xE6\x96\x87"};
    for (int i = 0; i < 5; i++) {
      // The caption, with the icon number the control reads from its end.
      std::wstring held = HeldText(GetDlgItem(window, kFirstButtonId + i));
      CHECK(held.compare(0, Wide(captions[i]).size(), Wide(captions[i])) == 0);
    }
    CHECK(!MirroredWindow(window));

    TEST_CASE("a program and an argument in Cyrillic start, in the Cyrillic folder");
    PostMessageA(window, WM_COMMAND, kFirstButtonId, 0);
    Record records[kMaxRecords];
    CHECK_EQ(WaitForRecords(disc, 1, records, kMaxRecords), 1);
    CHECK(strstr(records[0].commandLine, "\xD0\xB7\xD0\xB0\xD0\xBF\xD0\xB8\xD1\x81\xD1\x8C.exe "
                                         "\xD0\xB0\xD1\x80\xD0\xB3\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82") != nullptr);
    CHECK(strstr(records[0].directory, "\xD0\xB4\xD0\xB8\xD1\x81\xD0\xBA") != nullptr);

    TEST_CASE("a page with QXdirection=rtl lays the window out right to left, and back");
    PostMessageA(window, WM_COMMAND, kFirstButtonId + 4, 0);
    CHECK(WaitUntil([&] { return MirroredWindow(window); }));
    PostMessageA(window, WM_COMMAND, kFirstButtonId, 0);
    CHECK(WaitUntil([&] { return !MirroredWindow(window); }));
  }
  CHECK(EndLauncher(launcher));
  ForgetLauncher(launcher);
  RemoveDisc(disc);
}

// Under an Arabic interface (LC_ALL=ar_EG.UTF-8) the Arabic start file is chosen and laid
// out right to left; a disc in English only is not.
void TestRightToLeft() {
  TEST_CASE("an Arabic start menu is mirrored, an English one is not");
  for (bool arabic : {true, false}) {
    Disc disc;
    CHECK(MakeDisc(disc, arabic ? "arabic" : "english"));
    CHECK(CopyRecorder(disc, "recorder.exe"));
    CHECK(WriteDiscFile(disc, "autorun.inf",
                        arabic ? "title=English\r\nQXlanguage=ar ar.inf\r\nshell\\a=Install\r\nshell\\a\\command=x.exe\r\n"
                               : "title=English\r\nshell\\a=Install\r\nshell\\a\\command=x.exe\r\n"));
    CHECK(WriteDiscFile(disc, "ar.inf",
                        "title=\xD8\xAA\xD8\xAB\xD8\xA8\xD9\x8A\xD8\xAA\r\nshell\\a=\xD8\xAA\xD8\xAB\xD8\xA8\xD9\x8A\xD8\xAA\r\n"
                        "shell\\a\\command=x.exe\r\n"));
    Launcher launcher;
    CHECK(StartLauncher(launcher, disc));
    if (HWND window = launcher.window) {
      CHECK_EQ(MirroredWindow(window), arabic);
      // The client area's origin is its right edge when mirrored: the button stands a margin
      // from it, at the right.
      RECT button = WindowRectOf(GetDlgItem(window, kFirstButtonId));
      POINT origin = {0, 0};
      ClientToScreen(window, &origin);
      const int margin = arabic ? origin.x - button.right : button.left - origin.x;
      CHECK(margin >= 0 && margin < 40);
    }
    CHECK(EndLauncher(launcher));
    ForgetLauncher(launcher);
    RemoveDisc(disc);
  }
}

int main(int argc, char** argv) {
  if (!getenv("DISC_BIN_DIR") || !LauncherBuilt()) return 1;
  const char* mode = argc > 1 ? argv[1] : "";
  if (strcmp(mode, "scripts") == 0) {
    TestScripts();
    return check::Summary();
  }
  if (strcmp(mode, "arabic") == 0) {
    TestRightToLeft();
    return check::Summary();
  }
  bool german = strcmp(mode, "german") == 0;
  TestLanguage(german);
  if (!german) {
    TestConditions();
    TestMachineConditions();
    TestRunStylesAndTip();
  }
  return check::Summary();
}

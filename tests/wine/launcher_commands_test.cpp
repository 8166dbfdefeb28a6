// End-to-end checks of what a click starts: programs with their arguments, documents
// through their associations, "%" commands, composed switch parts, error boxes, a .txt in
// the system's editor, popup menus (place, choice, dismissal, nesting) and reloads.
// recorder.exe, copied into the disc under several names, tells what really started.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "check.h"
#include "launcher_driver.h"
#include "res/resource_ids.h"

using namespace driver;

namespace {

constexpr int kFirstButtonId = ID_FIRST_BUTTON;
constexpr int kFirstItemId = ID_FIRST_POPUP_ITEM;

bool StartsWith(const char* text, const char* prefix) { return strncmp(text, prefix, strlen(prefix)) == 0; }

// The test's own document classes in HKEY_CLASSES_ROOT, removed again at the end.
struct Association {
  const char* extension;
  const char* className;
  char command[512];
  bool expandable;  // stored as REG_EXPAND_SZ
};

// The menu of the commands disc, one button per case; entry i is button 1001 + i.
enum Entry {
  kPlain, kWithArguments, kSpacedArguments, kDocument, kSwitchPart, kPercentQuoted, kPercentUnquoted,
  kPercentTemplate, kPercentNoAssociation, kNoAssociation, kEmpty, kUnreadable, kTextFile, kPopup,
  kPercentExpandable, kSwitchExpandable, kEntryCount
};

const char* const kCommands[kEntryCount] = {
    "recorder.exe",
    "setup.exe /q",
    "tool.exe one two  three",
    "doc.rec",
    "viewer.exe manual.rcs /p",
    "%open doc.rec",
    "%open doc.ru1",
    "%open doc.ru2",
    "%open notes.xyz",
    "notes.xyz",
    "",
    "%open doc.rlg",
    "readme.txt",
    "<popup.inf>",
    "%open doc.rx1",
    "viewer.exe manual.rx2 /p",
};

void WriteCommandsMenu(const Disc& disc) {
  static char menu[4096];
  int n = snprintf(menu, sizeof menu, "[autorun]\r\ntitle=Commands\r\n");
  for (int i = 0; i < kEntryCount; i++) {
    n += snprintf(menu + n, sizeof menu - n, "shell\\e%d=Case %d\r\nshell\\e%d\\command=%s\r\n", i, i, i,
                  kCommands[i]);
  }
  CHECK(WriteDiscFile(disc, "autorun.inf", menu));
}

// Clicks a button and waits for one more record; returns it in `got` (empty if none came).
bool ClickAndRecord(const Disc& disc, HWND window, int id, Record& got, DWORD timeoutMs = kWaitMs) {
  static Record records[kMaxRecords];
  int before = ReadRecords(disc, records, kMaxRecords);
  HWND button = GetDlgItem(window, id);
  if (!button) {
    printf("note: no button %d\n", id);
    got = Record();
    return false;
  }
  Click(button);
  int after = WaitForRecords(disc, before + 1, records, kMaxRecords, timeoutMs);
  if (after <= before) {
    got = Record();
    return false;
  }
  got = records[after - 1];
  return true;
}

int RecordCount(const Disc& disc) {
  static Record records[kMaxRecords];
  return ReadRecords(disc, records, kMaxRecords);
}

// Checks the next message box of the launcher: text, caption and owner; then closes it.
void CheckBox(const Launcher& launcher, const char* text, const char* caption, HWND owner) {
  HWND box = WaitForMessageBox(launcher);
  CHECK(box != 0);
  if (!box) return;
  char got[1024];
  MessageBoxText(box, got, sizeof got);
  if (text) CHECK_STR(got, text);
  WindowText(box, got, sizeof got);
  CHECK_STR(got, caption);
  CHECK(GetWindow(box, GW_OWNER) == owner);
  CHECK(CloseMessageBox(box));
}

// A printable one-line text: no control characters, no "(null)" from a formatter.
bool Sane(const char* text) {
  for (const char* p = text; *p; p++) {
    if ((unsigned char)*p < 32) return false;
  }
  return strstr(text, "(null)") == nullptr;
}

// The notepad window whose title names the file, of any process.
struct EditorSearch {
  const char* name;
  HWND found;
};

BOOL CALLBACK FindEditor(HWND window, LPARAM param) {
  EditorSearch* s = reinterpret_cast<EditorSearch*>(param);
  char className[64] = "", title[256];
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, "Notepad") || !IsWindowVisible(window)) return TRUE;
  WindowText(window, title, sizeof title);
  if (strstr(title, s->name)) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForEditor(const char* name, DWORD timeoutMs) {
  EditorSearch s = {name, 0};
  WaitUntil([&] {
    EnumWindows(FindEditor, reinterpret_cast<LPARAM>(&s));
    return s.found != 0;
  }, timeoutMs);
  return s.found;
}

// Moves through a popup with posted keys: index 0 is the title item, entry k is k + 1;
// the first Down selects the title item and the separator is stepped over.
void ChoosePopupItem(HWND popup, int index) {
  for (int i = 0; i <= index; i++) PostKey(popup, VK_DOWN);
  PostKey(popup, VK_RETURN);
}

// ---- Cases -----------------------------------------------------------------------------

void TestPrograms(const Disc& disc, Launcher& launcher, HWND window) {
  Record r;
  TEST_CASE("a program without arguments starts in the disc folder");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kPlain, r));
  CHECK_STR(r.commandLine, "recorder.exe");
  CHECK_STR(r.directory, disc.dir);

  TEST_CASE("a program with arguments gets them unchanged");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kWithArguments, r));
  CHECK_STR(r.commandLine, "setup.exe /q");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kSpacedArguments, r));
  CHECK_STR(r.commandLine, "tool.exe one two  three");

  TEST_CASE("identifiers outside the two ranges do nothing; 1101 runs entry 0");
  int before = RecordCount(disc);
  PostMessageA(window, WM_COMMAND, 1031, 0);
  PostMessageA(window, WM_COMMAND, 1100, 0);
  CHECK(WaitForMessageBox(launcher, kQuietMs) == 0);
  CHECK_EQ(RecordCount(disc), before);
  PostMessageA(window, WM_COMMAND, kFirstItemId, 0);
  Record records[kMaxRecords];
  int now = WaitForRecords(disc, before + 1, records, kMaxRecords);
  CHECK_EQ(now, before + 1);
  if (now > before) CHECK_STR(records[now - 1].commandLine, "recorder.exe");

  TEST_CASE("an entry beyond the last one runs an empty command: two quotes in the box");
  PostMessageA(window, WM_COMMAND, 1030, 0);
  CheckBox(launcher, "Unable to launch:\n''", "Error !", window);
}

void TestDocuments(const Disc& disc, Launcher& launcher, HWND window) {
  char exe[MAX_PATH], want[1024];
  DiscPath(disc, "recorder.exe", exe, sizeof exe);
  Record r;

  TEST_CASE("a document opens through url.dll and its association");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kDocument, r, 2 * kWaitMs));
  snprintf(want, sizeof want, "\"%s\" \"", exe);
  CHECK(StartsWith(r.commandLine, want));
  CHECK(strstr(r.commandLine, "doc.rec\"") != nullptr);
  printf("document by association started: %s\n", r.commandLine);

  TEST_CASE("a switch part goes behind the class's open command, after two blanks");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kSwitchPart, r));
  snprintf(want, sizeof want, "\"%s\" manual.rcs  /p", exe);
  CHECK_STR(r.commandLine, want);

  TEST_CASE("\"%\" command, quoted %1: the document in quotes, started unchanged");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kPercentQuoted, r));
  snprintf(want, sizeof want, "\"%s\" \"doc.rec\"", exe);
  CHECK_STR(r.commandLine, want);

  TEST_CASE("\"%\" command, unquoted %1: the line ends in the extension and goes through url.dll");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kPercentUnquoted, r, 2 * kWaitMs));
  snprintf(want, sizeof want, "%s ", exe);
  CHECK(StartsWith(r.commandLine, want));
  CHECK(strstr(r.commandLine, "doc.ru1") != nullptr);
  printf("unquoted %%1 started: %s\n", r.commandLine);

  TEST_CASE("\"%\" command with %SystemRoot%, %L and %* in the template: a sane line");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kPercentTemplate, r));
  snprintf(want, sizeof want, "\"%s\" \"doc.ru2\" ", exe);
  CHECK(StartsWith(r.commandLine, want));
  CHECK(Sane(r.commandLine));
  CHECK(strlen(r.commandLine) < 400);
  printf("template with further percent signs started: %s\n", r.commandLine);

  TEST_CASE("open commands stored as REG_EXPAND_SZ, as Windows keeps its own, are expanded");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kPercentExpandable, r));
  snprintf(want, sizeof want, "\"%s\" \"doc.rx1\"", exe);
  CHECK_STR(r.commandLine, want);
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kSwitchExpandable, r));
  snprintf(want, sizeof want, "\"%s\" manual.rx2  /p", exe);
  CHECK_STR(r.commandLine, want);

  TEST_CASE("error boxes name the entry's own command");
  Click(GetDlgItem(window, kFirstButtonId + kPercentNoAssociation));
  CheckBox(launcher, "Unable to launch:\n'%open notes.xyz'", "Error !", window);
  Click(GetDlgItem(window, kFirstButtonId + kNoAssociation));
  CheckBox(launcher, "Unable to launch:\n'notes.xyz'", "Error !", window);
  Click(GetDlgItem(window, kFirstButtonId + kEmpty));
  CheckBox(launcher, "Unable to launch:\n''", "Error !", window);

  TEST_CASE("an unreadable open command: the system error box, then the launch error box");
  Click(GetDlgItem(window, kFirstButtonId + kUnreadable));
  CheckBox(launcher, nullptr, "GetLastError", nullptr);
  CheckBox(launcher, "Unable to launch:\n'%open doc.rlg'", "Error !", window);
  CHECK(IsRunning(launcher));
}

void TestTextFile(HWND window) {
  TEST_CASE("a .txt entry opens in the system's editor through url.dll");
  Click(GetDlgItem(window, kFirstButtonId + kTextFile));
  HWND editor = WaitForEditor("readme", 3 * kWaitMs);
  CHECK(editor != 0);
  if (!editor) return;
  char title[256];
  WindowText(editor, title, sizeof title);
  printf("editor window: %s\n", title);
  DWORD pid = 0;
  GetWindowThreadProcessId(editor, &pid);
  PostMessageA(editor, WM_CLOSE, 0, 0);
  CHECK(WaitForGone(editor));
  // The editor's process ends with its window.
  if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid)) {
    CHECK(WaitForSingleObject(process, kWaitMs) == WAIT_OBJECT_0);
    CloseHandle(process);
  }
}

void TestPopups(const Disc& disc, Launcher& launcher, HWND window) {
  HWND button = GetDlgItem(window, kFirstButtonId + kPopup);
  CHECK(button != 0);
  if (!button) return;
  RECT b = WindowRectOf(button);
  Record r;
  static Record records[kMaxRecords];

  TEST_CASE("a popup opens at the button's top right corner; its choice runs");
  int before = RecordCount(disc);
  Click(button);
  HWND popup = WaitForPopup(launcher);
  CHECK(popup != 0);
  if (popup) {
    RECT p = WindowRectOf(popup);
    CHECK_EQ(p.left, b.right);
    CHECK_EQ(p.top, b.top);
    ChoosePopupItem(popup, 1);  // "Run tool"
    CHECK(WaitForGone(popup));
    int n = WaitForRecords(disc, before + 1, records, kMaxRecords);
    CHECK_EQ(n, before + 1);
    if (n > before) CHECK_STR(records[n - 1].commandLine, "tool.exe from-popup");
  }

  TEST_CASE("a dismissed popup and the title item run nothing");
  before = RecordCount(disc);
  Click(button);
  popup = WaitForPopup(launcher);
  CHECK(popup != 0);
  if (popup) {
    PostKey(popup, VK_ESCAPE);
    CHECK(WaitForGone(popup));
  }
  Click(button);
  popup = WaitForPopup(launcher);
  CHECK(popup != 0);
  if (popup) {
    ChoosePopupItem(popup, 0);
    CHECK(WaitForGone(popup));
  }
  CHECK(WaitForMessageBox(launcher, kQuietMs) == 0);
  CHECK_EQ(RecordCount(disc), before);

  TEST_CASE("after a popup the window's own commands run again");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kWithArguments, r));
  CHECK_STR(r.commandLine, "setup.exe /q");

  TEST_CASE("a popup item that opens a second popup: it appears at 300,300");
  before = RecordCount(disc);
  Click(button);
  popup = WaitForPopup(launcher);
  CHECK(popup != 0);
  if (popup) {
    ChoosePopupItem(popup, 2);  // "More"
    HWND second = WaitForPopup(launcher, kWaitMs, popup);
    CHECK(second != 0);
    if (second) {
      RECT p = WindowRectOf(second);
      CHECK_EQ(p.left, 300);
      CHECK_EQ(p.top, 300);
      ChoosePopupItem(second, 2);  // "Nested tool"
      CHECK(WaitForGone(second));
      int n = WaitForRecords(disc, before + 1, records, kMaxRecords);
      CHECK_EQ(n, before + 1);
      if (n > before) CHECK_STR(records[n - 1].commandLine, "tool.exe nested");
    }
  }
  TEST_CASE("after both popups the window's own table is current again");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kPlain, r));
  CHECK_STR(r.commandLine, "recorder.exe");

  TEST_CASE("a missing popup file: the open error, no popup, the window's table kept");
  Click(button);
  popup = WaitForPopup(launcher);
  CHECK(popup != 0);
  if (popup) {
    ChoosePopupItem(popup, 3);  // "Missing"
    CheckBox(launcher, "Unable to open the file: 'missing.inf'", "Error !", window);
  }
  CHECK(WaitForPopup(launcher, kQuietMs) == 0);
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + kWithArguments, r));
  CHECK_STR(r.commandLine, "setup.exe /q");

  TEST_CASE("a reload chosen from a popup: new buttons, and a click runs the new file's command");
  Click(button);
  popup = WaitForPopup(launcher);
  CHECK(popup != 0);
  if (popup) {
    ChoosePopupItem(popup, 4);  // "Other page"
    CHECK(WaitForGone(popup));
  }
  char title[64] = "";
  CHECK(WaitUntil([&] {
    WindowText(window, title, sizeof title);
    return strcmp(title, "Other page") == 0;
  }));
  WaitIdle(launcher);
  static Button buttons[kMaxButtons];
  int count = ListButtons(window, buttons, kMaxButtons);
  CHECK_EQ(count, 2);
  HWND first = GetDlgItem(window, kFirstButtonId);
  char text[64] = "";
  if (first) WindowText(first, text, sizeof text);
  CHECK_STR(text, "Other tool");
  CHECK(GetDlgItem(window, kFirstButtonId + 2) == 0);
  CHECK(ClickAndRecord(disc, window, kFirstButtonId, r));
  CHECK_STR(r.commandLine, "tool.exe other-page");
  CHECK(ClickAndRecord(disc, window, kFirstButtonId + 1, r));
  CHECK_STR(r.commandLine, "setup.exe other-page");
}

}  // namespace

int main() {
  if (!getenv("DISC_BIN_DIR") || !LauncherBuilt()) return 1;
  Disc disc;
  CHECK(MakeDisc(disc, "commands"));
  static const char* const programs[] = {"recorder.exe", "setup.exe", "tool.exe"};
  for (const char* name : programs) CHECK(CopyRecorder(disc, name));
  WriteCommandsMenu(disc);
  CHECK(WriteDiscFile(disc, "doc.rec", "recorded document\r\n"));
  CHECK(WriteDiscFile(disc, "doc.ru1", "unquoted document\r\n"));
  CHECK(WriteDiscFile(disc, "readme.txt", "Read me, then close me.\r\n"));
  CHECK(WriteDiscFile(disc, "popup.inf",
                      "shell\\a=Run tool\r\nshell\\a\\command=tool.exe from-popup\r\n"
                      "shell\\b=More\r\nshell\\b\\command=<nested.inf>\r\n"
                      "shell\\c=Missing\r\nshell\\c\\command=<missing.inf>\r\n"
                      "shell\\d=Other page\r\nshell\\d\\command=[page.inf]\r\n"));
  CHECK(WriteDiscFile(disc, "nested.inf",
                      "shell\\a=Nested one\r\nshell\\a\\command=tool.exe nested-one\r\n"
                      "shell\\b=Nested tool\r\nshell\\b\\command=tool.exe nested\r\n"));
  CHECK(WriteDiscFile(disc, "page.inf",
                      "title=Other page\r\n"
                      "shell\\a=Other tool\r\nshell\\a\\command=tool.exe other-page\r\n"
                      "shell\\b=Other setup\r\nshell\\b\\command=setup.exe other-page\r\n"));

  char exe[MAX_PATH];
  DiscPath(disc, "recorder.exe", exe, sizeof exe);
  static Association associations[] = {
      {".rec", "E2E.Recorded", "", false},       {".rcs", "E2E.Switched", "", false},
      {".ru1", "E2E.Unquoted", "", false},       {".ru2", "E2E.Template", "", false},
      {".rlg", "E2E.Unreadable", "", false},
      {".rx1", "E2E.Expanded", "\"%E2E_DISC%\\recorder.exe\" \"%1\"", true},
      {".rx2", "E2E.ExpandedSwitch", "\"%E2E_DISC%\\recorder.exe\" /s", true},
  };
  // The expandable commands find the recorder through a variable of the launcher's environment.
  SetEnvironmentVariableA("E2E_DISC", disc.dir);
  snprintf(associations[0].command, 512, "\"%s\" \"%%1\"", exe);
  snprintf(associations[1].command, 512, "\"%s\" /s", exe);
  snprintf(associations[2].command, 512, "%s %%1", exe);
  snprintf(associations[3].command, 512, "\"%s\" \"%%1\" %%SystemRoot%% %%L %%* 100%%%%", exe);
  // 256 characters and more cannot be read into the launcher's 256-byte buffer.
  int n = snprintf(associations[4].command, 512, "\"%s\" \"%%1\" ", exe);
  while (n < 300) associations[4].command[n++] = 'x';
  associations[4].command[n] = 0;
  for (const Association& a : associations) {
    char key[128];
    snprintf(key, sizeof key, "%s\\shell\\open\\command", a.className);
    CHECK(SetClassValue(a.extension, a.className));
    CHECK(SetClassValue(key, a.command, a.expandable));
  }

  // Windows maps .txt to txtfile out of the box; a new Wine 8 prefix has the txtfile class
  // (notepad) but not the mapping, so there the test makes it for its run.
  char textClass[64] = "";
  LONG textClassSize = sizeof textClass;
  bool textMapped = RegQueryValueA(HKEY_CLASSES_ROOT, ".txt", textClass, &textClassSize) == ERROR_SUCCESS &&
                    textClass[0] != 0;
  if (!textMapped) CHECK(SetClassValue(".txt", "txtfile"));

  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    TestPrograms(disc, launcher, window);
    TestDocuments(disc, launcher, window);
    TestTextFile(window);
    TestPopups(disc, launcher, window);
  } else {
    CHECK(!"launcher window");
  }
  TEST_CASE("the launcher ends");
  CHECK(EndLauncher(launcher));

  for (const Association& a : associations) {
    CHECK(DeleteClassKey(a.className));
    CHECK(DeleteClassKey(a.extension));
  }
  if (!textMapped) CHECK(DeleteClassKey(".txt"));
  // Recorders started through url.dll may still be writing their lines.
  Sleep(200);
  CHECK(RemoveDisc(disc));
  return check::Summary();
}

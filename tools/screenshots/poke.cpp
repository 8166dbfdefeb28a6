// poke: drives the launcher window for the screenshot and preview scripts. It finds
// the launcher, opens a popup or the About box by posting the commands a user's
// click would send, follows a path of buttons and popup items to a page or popup,
// closes them again, and prints window rectangles ("left top right bottom", screen
// coordinates) for cropping.
//   poke launcher | popup MENUFILE | about | go STEP... | escape | quit
// A STEP is button:N:page, button:N:popup, item:N:page or item:N:popup: entry N of the
// page shown (its button) or of the popup open (its item), which loads a page or opens
// a popup.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "commands/command_line.h"
#include "menu/menu_reader.h"
#include "res/resource_ids.h"

namespace {

const int kQuitId = 1;
const int kMessageTextId = 0xFFFF;  // the static that holds a message box's text
// Steps of 100 ms: ten seconds for a window to appear, stretched by the slowdown of a
// Wine under CPU emulation (WINE_TEST_SLOWDOWN).
int WaitSteps() {
  static int steps = 0;
  if (!steps) {
    char value[16] = "";
    GetEnvironmentVariableA("WINE_TEST_SLOWDOWN", value, sizeof value);
    int slowdown = atoi(value);
    steps = 100 * (slowdown > 1 ? slowdown : 1);
  }
  return steps;
}

struct Search {
  const char* className;
  int childId;  // a child the window must have, 0 for none
  HWND found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  char name[64];
  if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name)) return TRUE;
  if (strcmp(name, search->className) != 0) return TRUE;
  if (search->childId && !GetDlgItem(window, search->childId)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopLevel(const char* className, int childId) {
  Search search = {className, childId, nullptr};
  EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitFor(const char* className, int childId) {
  for (int i = 0; i < WaitSteps(); ++i) {
    if (HWND window = FindTopLevel(className, childId)) return window;
    Sleep(100);
  }
  fprintf(stderr, "poke: no %s window appeared\n", className);
  return nullptr;
}

// A menu without entries has no first button: after half the wait, the dialog with a
// Quit button that is neither a message box (its text) nor the About box will do.
BOOL CALLBACK CheckButtonless(HWND window, LPARAM param) {
  HWND* found = reinterpret_cast<HWND*>(param);
  char name[16];
  if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name) || strcmp(name, "#32770") != 0)
    return TRUE;
  if (!GetDlgItem(window, kQuitId) || GetDlgItem(window, kMessageTextId) ||
      GetDlgItem(window, ID_AUTO_START_LIST))
    return TRUE;
  *found = window;
  return FALSE;
}

// The launcher window: the dialog with the Quit button and the first menu button.
HWND Launcher() {
  for (int i = 0; i < WaitSteps(); ++i) {
    Search search = {"#32770", ID_FIRST_BUTTON, nullptr};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found && GetDlgItem(search.found, kQuitId)) return search.found;
    HWND buttonless = nullptr;
    if (i > WaitSteps() / 2) EnumWindows(CheckButtonless, reinterpret_cast<LPARAM>(&buttonless));
    if (buttonless) return buttonless;
    Sleep(100);
  }
  fprintf(stderr, "poke: the launcher window did not appear\n");
  return nullptr;
}

void PrintRect(RECT r) {
  printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
}

RECT WindowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

class FileSource : public menu::ByteSource {
 public:
  explicit FileSource(FILE* file) : file_(file) {}
  long Read(char* buffer, size_t size) override {
    size_t got = fread(buffer, 1, size, file_);
    return got == 0 && ferror(file_) ? -1 : static_cast<long>(got);
  }

 private:
  FILE* file_;
};

// Finds, with the launcher's own reader, the first entry whose command opens a popup.
class PopupFinder : public menu::MenuSink {
 public:
  void OnEntry(int index, const char* command, int iconNumber, int line) override {
    (void)iconNumber, (void)line;
    if (entry < 0 && command::Classify(command) == command::Kind::kPopup) entry = index;
  }
  int entry = -1;
};

int FirstPopupEntry(const char* menuFile) {
  FILE* file = fopen(menuFile, "rb");
  if (!file) return -1;
  FileSource source(file);
  menu::LineReader reader(source);
  PopupFinder finder;
  menu::ReadMenu(reader, nullptr, finder);
  fclose(file);
  return finder.entry;
}

int OpenPopup(const char* menuFile) {
  int entry = FirstPopupEntry(menuFile);
  if (entry < 0) {
    fprintf(stderr, "poke: %s has no popup entry\n", menuFile);
    return 1;
  }
  HWND launcher = Launcher();
  if (!launcher) return 1;
  // As a click on the button does: the launcher opens the popup at its corner.
  PostMessageA(launcher, WM_COMMAND, MAKEWPARAM(ID_FIRST_BUTTON + entry, BN_CLICKED), 0);
  HWND popup = WaitFor("#32768", 0);
  if (!popup) return 1;
  Sleep(500);  // let the menu finish painting
  RECT both = WindowRect(launcher), menuRect = WindowRect(popup);
  UnionRect(&both, &both, &menuRect);
  PrintRect(both);
  return 0;
}

int OpenAbout() {
  HWND launcher = Launcher();
  if (!launcher) return 1;
  PostMessageA(launcher, WM_SYSCOMMAND, ID_ABOUT_COMMAND, 0);
  HWND about = WaitFor("#32770", ID_AUTO_START_LIST);
  if (!about) return 1;
  Sleep(700);  // the first animation frame and the list are painted
  PrintRect(WindowRect(about));
  return 0;
}

void PressKey(HWND window, UINT key) {
  PostMessageA(window, WM_KEYDOWN, key, 0);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

int PressEscape() {
  HWND popup = FindTopLevel("#32768", 0);
  if (popup) {
    PressKey(popup, VK_ESCAPE);
  } else if (HWND about = FindTopLevel("#32770", ID_AUTO_START_LIST)) {
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
  }
  for (int i = 0; i < 30 && (FindTopLevel("#32768", 0) || FindTopLevel("#32770", ID_AUTO_START_LIST)); ++i)
    Sleep(100);
  return 0;
}

// Waits until the launcher has carried out what it was sent or posted before, and has
// painted: a message sent to it returns once it reads messages again.
void Settle(HWND launcher) {
  DWORD_PTR result;
  SendMessageTimeoutA(launcher, WM_NULL, 0, 0, SMTO_NORMAL, 100 * WaitSteps(), &result);
  Sleep(400);
  SendMessageTimeoutA(launcher, WM_NULL, 0, 0, SMTO_NORMAL, 100 * WaitSteps(), &result);
}

// One step of a path: entry N of the page shown (a button) or of the popup open (an
// item), which loads a page or opens a popup. Answers the popup open after it, or null.
bool TakeStep(HWND launcher, const char* step, HWND* popup) {
  char where[8], what[8];
  int n = 0;
  if (sscanf(step, "%7[a-z]:%d:%7[a-z]", where, &n, what) != 3 || n < 1 || n > MENU_MAX_ENTRIES ||
      (strcmp(where, "button") != 0 && strcmp(where, "item") != 0) ||
      (strcmp(what, "page") != 0 && strcmp(what, "popup") != 0)) {
    fprintf(stderr, "poke: '%s' is no step (button:N:page, button:N:popup, item:N:page, item:N:popup)\n",
            step);
    return false;
  }
  bool opensPopup = strcmp(what, "popup") == 0;
  if (strcmp(where, "button") == 0) {
    if (*popup) {
      fprintf(stderr, "poke: %s: a popup is open, not a page\n", step);
      return false;
    }
    WPARAM command = MAKEWPARAM(ID_FIRST_BUTTON + n - 1, BN_CLICKED);
    if (opensPopup) {
      // Posted: the launcher stays in the popup's menu loop until the popup closes.
      PostMessageA(launcher, WM_COMMAND, command, 0);
    } else {
      DWORD_PTR result;
      SendMessageTimeoutA(launcher, WM_COMMAND, command, 0, SMTO_NORMAL, 100 * WaitSteps(), &result);
    }
  } else {
    if (!*popup) {
      fprintf(stderr, "poke: %s: no popup is open\n", step);
      return false;
    }
    // The first Down selects the popup's title, each next one the next entry; the keys
    // pass over separators.
    for (int i = 0; i <= n; ++i) PressKey(*popup, VK_DOWN);
    PressKey(*popup, VK_RETURN);
    for (int i = 0; i < WaitSteps() && IsWindow(*popup) && IsWindowVisible(*popup); ++i) Sleep(100);
  }
  *popup = nullptr;
  if (opensPopup) {
    *popup = WaitFor("#32768", 0);
    if (!*popup) return false;
    Sleep(500);  // let the menu finish painting
  } else {
    Settle(launcher);
  }
  return true;
}

// Follows a path from the page shown, closing any popup first, and prints the
// rectangle of what it reached: the popup, or the launcher window.
int Go(int count, char** steps) {
  PressEscape();
  HWND launcher = Launcher();
  if (!launcher) return 1;
  HWND popup = nullptr;
  for (int i = 0; i < count; ++i)
    if (!TakeStep(launcher, steps[i], &popup)) return 1;
  PrintRect(WindowRect(popup ? popup : launcher));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && strcmp(argv[1], "launcher") == 0) {
    HWND launcher = Launcher();
    if (!launcher) return 1;
    Sleep(500);
    PrintRect(WindowRect(launcher));
    return 0;
  }
  if (argc >= 3 && strcmp(argv[1], "popup") == 0) return OpenPopup(argv[2]);
  if (argc >= 2 && strcmp(argv[1], "about") == 0) return OpenAbout();
  if (argc >= 2 && strcmp(argv[1], "go") == 0) return Go(argc - 2, argv + 2);
  if (argc >= 2 && strcmp(argv[1], "escape") == 0) return PressEscape();
  if (argc >= 2 && strcmp(argv[1], "quit") == 0) {
    PressEscape();
    HWND launcher = FindTopLevel("#32770", ID_FIRST_BUTTON);
    if (!launcher) EnumWindows(CheckButtonless, reinterpret_cast<LPARAM>(&launcher));
    if (launcher) PostMessageA(launcher, WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  fprintf(stderr, "usage: poke launcher | popup MENUFILE | about | go STEP... | escape | quit\n");
  return 2;
}

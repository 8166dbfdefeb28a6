// poke: drives the launcher window for the screenshot script. It finds the
// launcher, opens a popup or the About box by posting the commands a user's
// click would send, closes them again, and prints window rectangles
// ("left top right bottom", screen coordinates) for cropping.
//   poke launcher | popup MENUFILE | about | escape | quit
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "command_line.h"
#include "menu_reader.h"

namespace {

const int kQuitId = 1;
const int kFirstButtonId = 1001;
const int kAutoStartListId = 1201;
const UINT kAboutCommand = 16;
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

// The launcher window: the dialog with the Quit button and the first menu button.
HWND Launcher() {
  for (int i = 0; i < WaitSteps(); ++i) {
    Search search = {"#32770", kFirstButtonId, nullptr};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found && GetDlgItem(search.found, kQuitId)) return search.found;
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
  PostMessageA(launcher, WM_COMMAND, MAKEWPARAM(kFirstButtonId + entry, BN_CLICKED), 0);
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
  PostMessageA(launcher, WM_SYSCOMMAND, kAboutCommand, 0);
  HWND about = WaitFor("#32770", kAutoStartListId);
  if (!about) return 1;
  Sleep(700);  // the first animation frame and the list are painted
  PrintRect(WindowRect(about));
  return 0;
}

int PressEscape() {
  HWND popup = FindTopLevel("#32768", 0);
  if (popup) {
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(popup, WM_KEYUP, VK_ESCAPE, 0xC0000001);
  } else if (HWND about = FindTopLevel("#32770", kAutoStartListId)) {
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
  }
  for (int i = 0; i < 30 && (FindTopLevel("#32768", 0) || FindTopLevel("#32770", kAutoStartListId)); ++i)
    Sleep(100);
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
  if (argc >= 2 && strcmp(argv[1], "escape") == 0) return PressEscape();
  if (argc >= 2 && strcmp(argv[1], "quit") == 0) {
    PressEscape();
    if (HWND launcher = FindTopLevel("#32770", kFirstButtonId))
      PostMessageA(launcher, WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  fprintf(stderr, "usage: poke launcher | popup MENUFILE | about | escape | quit\n");
  return 2;
}

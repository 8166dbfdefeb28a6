// Start-up benchmark, run under Wine: time from process start to the menu window
// shown with every button painted, for autorun.exe on a 10-entry disc and for a
// minimal dialog program in the same session; medians and their ratio. Prints
// figures, never judges them.
//   startup_bench.exe [runs]   (DISC_BIN_DIR names the folder of the deliverables)
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

namespace {

const int kDefaultRuns = 10;
const int kEntries = 10;
const DWORD kGiveUpMs = 20000;  // a start that takes longer is reported as failed
const int kMaxRuns = 100;

// The pixels of a screen rectangle, copied once so that many reads stay cheap.
class ScreenCopy {
 public:
  ~ScreenCopy() { Free(); }
  bool Capture(const RECT& r) {
    Free();
    left_ = r.left, top_ = r.top, width_ = r.right - r.left, height_ = r.bottom - r.top;
    if (width_ <= 0 || height_ <= 0) return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    memory_ = CreateCompatibleDC(screen);
    bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, (void**)&bits_, nullptr, 0);
    bool ok = bitmap_ && memory_;
    if (ok) {
      old_ = SelectObject(memory_, bitmap_);
      ok = BitBlt(memory_, 0, 0, width_, height_, screen, left_, top_, SRCCOPY) != 0;
      GdiFlush();
    }
    ReleaseDC(nullptr, screen);
    return ok;
  }
  // Colour at a screen point, as a COLORREF; CLR_INVALID outside the copy.
  COLORREF At(int x, int y) const {
    x -= left_, y -= top_;
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    DWORD p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  void Free() {
    if (memory_) {
      if (old_) SelectObject(memory_, old_);
      DeleteDC(memory_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    memory_ = nullptr, bitmap_ = nullptr, old_ = nullptr, bits_ = nullptr;
  }
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  DWORD* bits_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM data) {
  WindowSearch* search = (WindowSearch*)data;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// The visible top-level window of the process, or null.
HWND FindProcessWindow(DWORD processId) {
  WindowSearch search = {processId, nullptr};
  EnumWindows(MatchProcessWindow, (LPARAM)&search);
  return search.found;
}

// A menu button is painted when its frame, its face and its icon are on the
// screen: the frame colour at the left and right edges, the face colour above
// the caption, and something other than the face where the icon goes.
bool GlyphKeyPainted(HWND button, const ScreenCopy& screen) {
  RECT r;
  GetWindowRect(button, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  COLORREF frame = GetSysColor(COLOR_WINDOWFRAME), face = GetSysColor(COLOR_BTNFACE);
  if (screen.At(r.left, r.top + h / 2) != frame || screen.At(r.right - 1, r.top + h / 2) != frame)
    return false;
  if (screen.At(r.left + w / 2, r.top + 5) != face) return false;
  int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
  for (int y = 0; y < cy; y += 2)
    for (int x = 0; x < cx; x += 2)
      if (screen.At(r.left + 6 + x, r.top + (h - cy) / 2 + y) != face) return true;
  return false;
}

// A standard push button is painted when its edge is not the face colour while
// the middle of its upper half is (the caption sits lower).
bool PushButtonPainted(HWND button, const ScreenCopy& screen) {
  RECT r;
  GetWindowRect(button, &r);
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  int middle = r.top + (r.bottom - r.top) / 2;
  return screen.At(r.left, middle) != face && screen.At(r.left + 4, r.top + 4) == face;
}

struct PaintCheck {
  const char* buttonClass;
  bool (*painted)(HWND, const ScreenCopy&);
  int buttons, paintedButtons;
  const ScreenCopy* screen;
};

BOOL CALLBACK CheckChild(HWND child, LPARAM data) {
  PaintCheck* check = (PaintCheck*)data;
  char name[32];
  if (!GetClassNameA(child, name, sizeof name) || lstrcmpiA(name, check->buttonClass)) return TRUE;
  check->buttons++;
  if (check->painted(child, *check->screen)) check->paintedButtons++;
  return TRUE;
}

struct Program {
  const char* label;
  char path[MAX_PATH];
  const char* buttonClass;
  bool (*painted)(HWND, const ScreenCopy&);
  int buttons;  // how many buttons of the class the window must show
  double shownMs[kMaxRuns], paintedMs[kMaxRuns];
  int runs;
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return (to.QuadPart - from.QuadPart) * 1000.0 / frequency.QuadPart;
}

void EndProcess(PROCESS_INFORMATION* process, HWND window) {
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process->hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(process->hProcess, 1);
    WaitForSingleObject(process->hProcess, 5000);
  }
  CloseHandle(process->hThread);
  CloseHandle(process->hProcess);
}

// Starts the program in the disc folder and waits for its window to be shown
// and fully painted; false when it did not get there in time.
bool MeasureOnce(Program* program, const char* disc, double* shownMs, double* paintedMs) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  char commandLine[MAX_PATH + 2];
  wsprintfA(commandLine, "\"%s\"", program->path);
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(program->path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, disc, &startup,
                      &process)) {
    printf("startup: cannot start %s (error %lu)\n", program->path, GetLastError());
    return false;
  }
  HWND window = nullptr;
  *shownMs = -1;
  ScreenCopy screen;
  for (DWORD begin = GetTickCount(); GetTickCount() - begin < kGiveUpMs; Sleep(1)) {
    if (!window) window = FindProcessWindow(process.dwProcessId);
    if (!window) continue;
    QueryPerformanceCounter(&now);
    if (*shownMs < 0) *shownMs = Milliseconds(start, now);
    RECT r;
    GetWindowRect(window, &r);
    if (!screen.Capture(r)) continue;
    PaintCheck check = {program->buttonClass, program->painted, 0, 0, &screen};
    EnumChildWindows(window, CheckChild, (LPARAM)&check);
    if (check.buttons == program->buttons && check.paintedButtons == check.buttons) {
      QueryPerformanceCounter(&now);
      *paintedMs = Milliseconds(start, now);
      EndProcess(&process, window);
      return true;
    }
  }
  printf("startup: %s did not show its painted window within %lu ms\n", program->label, kGiveUpMs);
  EndProcess(&process, window);
  return false;
}

int CompareDoubles(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return x < y ? -1 : x > y;
}

double Median(double* values, int count) {
  if (count == 0) return 0;
  qsort(values, count, sizeof values[0], CompareDoubles);
  return count % 2 ? values[count / 2] : (values[count / 2 - 1] + values[count / 2]) / 2;
}

void PrintProgram(Program* program) {
  printf("startup: %-28s runs %d:", program->label, program->runs);
  for (int i = 0; i < program->runs; i++) printf(" %.0f", program->paintedMs[i]);
  printf(" ms\n");
}

// A disc folder with the two deliverables and a menu of kEntries entries.
bool MakeDisc(const char* binDir, char* disc) {
  GetTempPathA(MAX_PATH, disc);
  lstrcatA(disc, "startup-bench-disc");
  CreateDirectoryA(disc, nullptr);
  const char* files[] = {"autorun.exe", "GlyphKey32.dll"};
  for (const char* name : files) {
    char from[MAX_PATH], to[MAX_PATH];
    wsprintfA(from, "%s\\%s", binDir, name);
    wsprintfA(to, "%s\\%s", disc, name);
    if (!CopyFileA(from, to, FALSE)) {
      printf("startup: cannot copy %s (error %lu)\n", from, GetLastError());
      return false;
    }
  }
  char inf[MAX_PATH];
  wsprintfA(inf, "%s\\autorun.inf", disc);
  FILE* file = fopen(inf, "w");
  if (!file) return false;
  fprintf(file, "[autorun]\nopen=autorun.exe\ntitle=Start-up benchmark\nQXName=startup-bench\n");
  fprintf(file, "QXicon=1,2,3,4,5,6,7,8,9,10\n");
  for (int i = 1; i <= kEntries; i++)
    fprintf(file, "shell\\e%d=Entry %d\nshell\\e%d\\command=tool%d.exe\n", i, i, i, i);
  fclose(file);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? atoi(argv[1]) : kDefaultRuns;
  if (runs < 1 || runs > kMaxRuns) runs = kDefaultRuns;
  const char* binDir = getenv("DISC_BIN_DIR");
  if (!binDir) {
    printf("startup: DISC_BIN_DIR is not set\n");
    return 2;
  }
  char disc[MAX_PATH];
  bool haveLauncher = MakeDisc(binDir, disc);

  static Program launcher = {"autorun.exe, 10 entries", "", "GlyphKey", GlyphKeyPainted, kEntries, {}, {}, 0};
  static Program dialog = {"minimal_dialog.exe", "", "Button", PushButtonPainted, 1, {}, {}, 0};
  wsprintfA(launcher.path, "%s\\autorun.exe", disc);
  GetModuleFileNameA(nullptr, dialog.path, MAX_PATH);
  char* slash = strrchr(dialog.path, '\\');
  lstrcpyA(slash ? slash + 1 : dialog.path, "minimal_dialog.exe");

  // One unmeasured start of each warms the session's caches; then the two
  // programs take turns, so that a slow moment of the machine hits both.
  double shown, painted;
  Program* programs[] = {&dialog, &launcher};
  int measured = haveLauncher ? 2 : 1;
  for (int p = 0; p < measured; p++) MeasureOnce(programs[p], disc, &shown, &painted);
  static double shownLists[2][kMaxRuns];
  for (int run = 0; run < runs; run++) {
    for (int p = 0; p < measured; p++) {
      Program* program = programs[p];
      if (!MeasureOnce(program, disc, &shown, &painted)) continue;
      shownLists[p][program->runs] = shown;
      program->paintedMs[program->runs++] = painted;
    }
  }
  for (int p = 0; p < measured; p++) PrintProgram(programs[p]);
  double dialogShown = Median(shownLists[0], dialog.runs),
         launcherShown = Median(shownLists[1], launcher.runs);
  double dialogPainted = Median(dialog.paintedMs, dialog.runs);
  double launcherPainted = Median(launcher.paintedMs, launcher.runs);
  printf("startup: minimal_dialog.exe: median %.0f ms to its window shown, %.0f ms to it painted\n",
         dialogShown, dialogPainted);
  if (launcher.runs > 0)
    printf(
        "startup: autorun.exe:        median %.0f ms to its window shown, %.0f ms to every button painted\n",
        launcherShown, launcherPainted);
  if (dialogPainted > 0 && launcher.runs > 0)
    printf("startup: ratio autorun.exe / minimal dialog = %.2f (painted), %.2f (shown)\n",
           launcherPainted / dialogPainted, launcherShown / dialogShown);
  return 0;
}

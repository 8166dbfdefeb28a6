// The launcher test driver: everything a test needs to run autorun.exe as a user would.
#include "launcher_driver.h"
#include "res/resource_ids.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace driver {

int Slowdown() {
  static int slowdown = 0;
  if (!slowdown) {
    char value[16] = "";
    GetEnvironmentVariableA("WINE_TEST_SLOWDOWN", value, sizeof value);
    slowdown = atoi(value) > 1 ? atoi(value) : 1;
  }
  return slowdown;
}

bool CpuEmulated() { return GetEnvironmentVariableA("WINE_CPU_EMULATED", nullptr, 0) > 0; }

DWORD Scaled(DWORD ms) { return ms * (DWORD)Slowdown(); }

const DWORD kWaitMs = Scaled(8000);
const DWORD kQuietMs = Scaled(700);

namespace {

constexpr DWORD kPollMs = 15;
constexpr const wchar_t* kProfileFile = L"QXAutorun.ini";
// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;
// The About box's auto-start list: it tells the About box from the other dialogs.
constexpr int kAboutListId = ID_AUTO_START_LIST;

void Copy(char* out, int size, const char* text) {
  if (size <= 0) return;
  lstrcpynA(out, text ? text : "", size);
}

bool DirectoryOfModule(char* out, int size) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(0, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  char* slash = strrchr(path, '\\');
  if (!slash) return false;
  *slash = 0;
  Copy(out, size, path);
  return true;
}

bool CopyFromBin(const Disc& disc, const char* name) {
  char source[MAX_PATH], target[MAX_PATH];
  const char* bin = getenv("DISC_BIN_DIR");
  if (!bin) return false;
  snprintf(source, sizeof source, "%s\\%s", bin, name);
  DiscPath(disc, name, target, sizeof target);
  return CopyFileW(Wide(source).c_str(), Wide(target).c_str(), FALSE) != 0;
}

bool RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!wcscmp(found.cFileName, L".") || !wcscmp(found.cFileName, L"..")) continue;
      std::wstring path = dir + L"\\" + found.cFileName;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  return RemoveDirectoryW(dir.c_str()) != 0;
}

bool HasClass(HWND window, const char* className) {
  char name[64];
  return GetClassNameA(window, name, sizeof name) && !lstrcmpiA(name, className);
}

// The kinds of top-level window a launcher process shows.
enum class Kind { Launcher, MessageBox, About, Popup };

bool IsKind(HWND window, Kind kind) {
  if (kind == Kind::Popup) return HasClass(window, "#32768");
  if (!HasClass(window, "#32770")) return false;
  bool about = GetDlgItem(window, kAboutListId) != 0;
  bool message = !about && GetDlgItem(window, kMessageTextId) != 0;
  switch (kind) {
    case Kind::About: return about;
    case Kind::MessageBox: return message;
    case Kind::Launcher: return !about && !message;
    default: return false;
  }
}

struct Search {
  DWORD pid;
  Kind kind;
  HWND except;
  const char* className;
  HWND found;
  int count;
};

BOOL CALLBACK FindKind(HWND window, LPARAM param) {
  Search* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != s->pid || window == s->except || !IsWindowVisible(window)) return TRUE;
  if (!IsKind(window, s->kind)) return TRUE;
  s->found = window;
  return FALSE;
}

BOOL CALLBACK CountClass(HWND window, LPARAM param) {
  Search* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == s->pid && IsWindowVisible(window) && HasClass(window, s->className)) s->count++;
  return TRUE;
}

HWND WaitForKind(const Launcher& launcher, Kind kind, DWORD timeoutMs, HWND except = 0) {
  if (!launcher.started) return 0;
  DWORD start = GetTickCount();
  for (;;) {
    Search s = {launcher.pi.dwProcessId, kind, except, nullptr, 0, 0};
    EnumWindows(FindKind, reinterpret_cast<LPARAM>(&s));
    if (s.found) return s.found;
    if (GetTickCount() - start >= timeoutMs) return 0;
    // A process that has ended shows nothing any more.
    if (WaitForSingleObject(launcher.pi.hProcess, kPollMs) == WAIT_OBJECT_0) {
      EnumWindows(FindKind, reinterpret_cast<LPARAM>(&s));
      return s.found;
    }
  }
}

void Narrow(const wchar_t* wide, char* out, int size) {
  if (size <= 0) return;
  int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, out, size, nullptr, nullptr);
  if (n == 0) out[size - 1] = 0;
  out[size - 1] = 0;
}

void ClickAt(int x, int y) {
  // Two clicks at one place within the double-click time are a double click, whose
  // second click a GlyphKey control ignores: a user's second, separate click waits.
  static DWORD lastClick = 0;
  DWORD apart = GetDoubleClickTime() + 100;
  DWORD since = GetTickCount() - lastClick;
  if (lastClick && since < apart) Sleep(apart - since);
  SetCursorPos(x, y);
  // The press and the release carry their own position. A pointer event that the X
  // server sent before the move (a window that appeared under the old position gets
  // one) can still reach Wine after SetCursorPos and put the cursor back there: a bare
  // press then lands on whatever lies at the old position.
  DWORD absoluteX = (DWORD)MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  DWORD absoluteY = (DWORD)MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  mouse_event(at | MOUSEEVENTF_LEFTDOWN, absoluteX, absoluteY, 0, 0);
  Sleep(Scaled(30));
  mouse_event(at | MOUSEEVENTF_LEFTUP, absoluteX, absoluteY, 0, 0);
  lastClick = GetTickCount();
}

}  // namespace

// ---- Disc folders --------------------------------------------------------------------

void DiscPath(const Disc& disc, const char* name, char* out, int size) {
  snprintf(out, size, "%s\\%s", disc.dir, name);
}

bool FileExists(const char* path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool LauncherBuilt() {
  const char* bin = getenv("DISC_BIN_DIR");
  bool ok = bin != nullptr;
  static const char* const names[] = {"autorun.exe", "GlyphKey32.dll"};
  for (const char* name : names) {
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s\\%s", bin ? bin : "", name);
    if (!FileExists(path)) {
      printf("FAIL %s is not built (%s)\n", name, path);
      ok = false;
    }
  }
  return ok;
}

bool MakeDisc(Disc& disc, const char* name, bool withLibrary) {
  wchar_t wideTemp[MAX_PATH];
  char temp[3 * MAX_PATH];
  if (!GetTempPathW(MAX_PATH, wideTemp)) return false;
  WideCharToMultiByte(CP_UTF8, 0, wideTemp, -1, temp, sizeof temp, nullptr, nullptr);
  size_t n = strlen(temp);
  if (n && temp[n - 1] == '\\') temp[n - 1] = 0;
  snprintf(disc.dir, sizeof disc.dir, "%s\\e2e-%s-%lu", temp, name, GetCurrentProcessId());
  if (FileExists(disc.dir)) RemoveTree(Wide(disc.dir));
  if (!CreateDirectoryW(Wide(disc.dir).c_str(), nullptr)) return false;
  if (!CopyFromBin(disc, "autorun.exe")) return false;
  return !withLibrary || CopyFromBin(disc, "GlyphKey32.dll");
}

bool WriteDiscBytes(const Disc& disc, const char* name, const void* bytes, DWORD size) {
  char path[MAX_PATH];
  DiscPath(disc, name, path, sizeof path);
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes, size, &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

bool WriteDiscFile(const Disc& disc, const char* name, const char* text) {
  return WriteDiscBytes(disc, name, text, (DWORD)strlen(text));
}

bool CopyRecorder(const Disc& disc, const char* asName) {
  char here[MAX_PATH], source[MAX_PATH], target[MAX_PATH];
  if (!DirectoryOfModule(here, sizeof here)) return false;
  snprintf(source, sizeof source, "%s\\recorder.exe", here);
  DiscPath(disc, asName, target, sizeof target);
  return CopyFileW(Wide(source).c_str(), Wide(target).c_str(), FALSE) != 0;
}

bool RemoveDisc(Disc& disc) {
  if (!disc.dir[0]) return true;
  // A process that just ended may still hold a file for a moment.
  for (int attempt = 0; attempt < 20; attempt++) {
    if (RemoveTree(Wide(disc.dir)) || !FileExists(disc.dir)) {
      disc.dir[0] = 0;
      return true;
    }
    Sleep(50);
  }
  return false;
}

// ---- Processes -----------------------------------------------------------------------

bool StartLauncher(Launcher& launcher, const Disc& disc, const StartOptions& options) {
  ForgetLauncher(launcher);
  char exe[MAX_PATH], log[MAX_PATH], commandLine[1024];
  DiscPath(disc, "autorun.exe", exe, sizeof exe);
  DiscPath(disc, kLogName, log, sizeof log);
  snprintf(commandLine, sizeof commandLine, "\"%s\"%s%s", exe, options.arguments ? " " : "",
           options.arguments ? options.arguments : "");
  // The launcher passes its environment on to what it starts, so the recorder finds its log.
  SetEnvironmentVariableW(kRecorderLogVariable, Wide(log).c_str());
  if (options.holdShift) keybd_event(VK_SHIFT, 0, 0, 0);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring wideCommandLine = Wide(commandLine);
  BOOL ok = CreateProcessW(Wide(exe).c_str(), &wideCommandLine[0], nullptr, nullptr, FALSE,
                           options.suspended ? CREATE_SUSPENDED : 0, nullptr, Wide(disc.dir).c_str(), &startup,
                           &launcher.pi);
  launcher.started = ok != 0;
  if (ok && options.waitForWindow && !options.suspended) {
    WaitForLauncherWindow(launcher);
    WaitIdle(launcher);
  }
  if (options.holdShift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  return launcher.started;
}

bool IsRunning(const Launcher& launcher) {
  return launcher.started && WaitForSingleObject(launcher.pi.hProcess, 0) == WAIT_TIMEOUT;
}

bool WaitIdle(const Launcher& launcher, DWORD timeoutMs) {
  if (!launcher.started) return false;
  return WaitForInputIdle(launcher.pi.hProcess, timeoutMs) == 0;
}

bool WaitForExit(Launcher& launcher, DWORD timeoutMs) {
  if (!launcher.started) return true;
  bool ended = WaitForSingleObject(launcher.pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
  if (!ended) {
    printf("note: launcher %lu did not end in %lu ms; killed\n", launcher.pi.dwProcessId, timeoutMs);
    TerminateProcess(launcher.pi.hProcess, 99);
    WaitForSingleObject(launcher.pi.hProcess, kWaitMs);
  }
  CloseHandle(launcher.pi.hProcess);
  CloseHandle(launcher.pi.hThread);
  launcher = Launcher();
  return ended;
}

bool EndLauncher(Launcher& launcher) {
  if (!launcher.started) return true;
  // Boxes in front of the window are closed first, as a user would.
  for (int i = 0; i < 4; i++) {
    HWND box = WaitForMessageBox(launcher, 0);
    if (!box) box = WaitForAboutBox(launcher, 0);
    if (!box) break;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    WaitForGone(box, Scaled(2000));
  }
  if (HWND popup = WaitForPopup(launcher, 0)) PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  HWND window = launcher.window && IsWindow(launcher.window) ? launcher.window : WaitForLauncherWindow(launcher, 0);
  if (window) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  return WaitForExit(launcher);
}

void ForgetLauncher(Launcher& launcher) {
  if (!launcher.started) return;
  if (IsRunning(launcher)) TerminateProcess(launcher.pi.hProcess, 98);
  WaitForSingleObject(launcher.pi.hProcess, kWaitMs);
  CloseHandle(launcher.pi.hProcess);
  CloseHandle(launcher.pi.hThread);
  launcher = Launcher();
}

// ---- Windows of the process -----------------------------------------------------------

HWND WaitForLauncherWindow(Launcher& launcher, DWORD timeoutMs) {
  HWND window = WaitForKind(launcher, Kind::Launcher, timeoutMs);
  if (window) launcher.window = window;
  return window;
}

HWND WaitForMessageBox(const Launcher& launcher, DWORD timeoutMs) {
  return WaitForKind(launcher, Kind::MessageBox, timeoutMs);
}

HWND WaitForAboutBox(const Launcher& launcher, DWORD timeoutMs) {
  return WaitForKind(launcher, Kind::About, timeoutMs);
}

HWND WaitForPopup(const Launcher& launcher, DWORD timeoutMs, HWND except) {
  return WaitForKind(launcher, Kind::Popup, timeoutMs, except);
}

bool WaitForGone(HWND window, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(kPollMs);
  }
  return true;
}

int CountWindows(const Launcher& launcher, const char* className) {
  if (!launcher.started) return 0;
  Search s = {launcher.pi.dwProcessId, Kind::Launcher, 0, className, 0, 0};
  EnumWindows(CountClass, reinterpret_cast<LPARAM>(&s));
  return s.count;
}

// ---- Texts ----------------------------------------------------------------------------

void WindowText(HWND window, char* out, int size) {
  wchar_t wide[1024] = L"";
  DWORD_PTR got = 0;
  // WM_GETTEXT reaches the window's own procedure, as the launcher's own reads do.
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                           Scaled(2000), &got)) {
    GetWindowTextW(window, wide, 1024);
  }
  wide[1023] = 0;
  Narrow(wide, out, size);
}

void MessageBoxText(HWND box, char* out, int size) {
  HWND text = GetDlgItem(box, kMessageTextId);
  if (!text) {
    Copy(out, size, "");
    return;
  }
  WindowText(text, out, size);
}

bool CloseMessageBox(HWND box) {
  if (!box) return false;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return WaitForGone(box);
}

namespace {
struct ButtonList {
  Button* out;
  int max;
  int count;
  HWND parent;
};

BOOL CALLBACK CollectButton(HWND child, LPARAM param) {
  ButtonList* list = reinterpret_cast<ButtonList*>(param);
  if (GetParent(child) != list->parent || !HasClass(child, "GlyphKey")) return TRUE;
  if (list->count >= list->max) return FALSE;
  Button& b = list->out[list->count++];
  b.window = child;
  b.id = GetDlgCtrlID(child);
  WindowText(child, b.text, sizeof b.text);
  b.rect = ChildRect(child);
  return TRUE;
}
}  // namespace

int ListButtons(HWND launcherWindow, Button* out, int max) {
  ButtonList list = {out, max, 0, launcherWindow};
  EnumChildWindows(launcherWindow, CollectButton, reinterpret_cast<LPARAM>(&list));
  return list.count;
}

RECT ChildRect(HWND child) {
  RECT r = {};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT ClientRectOf(HWND window) {
  RECT r = {};
  GetClientRect(window, &r);
  return r;
}

RECT WindowRectOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r;
}

// ---- Input ----------------------------------------------------------------------------

void BringToFront(HWND window) {
  HWND top = GetAncestor(window, GA_ROOT);
  if (GetForegroundWindow() != top) SetForegroundWindow(top);
  for (int i = 0; i < 20 && GetForegroundWindow() != top; i++) Sleep(kPollMs);
}

void Click(HWND control) {
  // The window's thread must be waiting for input: a click that comes while a popup
  // menu is still closing, or before the window has settled, is eaten by the menu.
  DWORD processId = 0;
  DWORD threadId = GetWindowThreadProcessId(control, &processId);
  if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
    WaitForInputIdle(process, kWaitMs);
    CloseHandle(process);
  }
  bool settled = WaitUntil([&] {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) && !info.hwndCapture &&
           !(info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
  }, kQuietMs);
  if (!settled) printf("note: the window's thread still holds the mouse capture before a click\n");
  // A window of an earlier test's process may still stand over the control while that
  // process ends: the click waits until the control is what lies under its point.
  RECT r = WindowRectOf(control);
  POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  bool reachable = WaitUntil([&] {
    BringToFront(control);
    HWND at = WindowFromPoint(centre);
    return at == control || IsChild(control, at);
  });
  if (!reachable) {
    char name[64] = "";
    GetClassNameA(WindowFromPoint(centre), name, sizeof name);
    printf("note: a window of class %s stands over the control to be clicked\n", name);
  }
  ClickAt(centre.x, centre.y);
}

void PostClick(HWND control) {
  RECT r = ClientRectOf(control);
  LPARAM at = MAKELPARAM((r.right) / 2, (r.bottom) / 2);
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(control, WM_LBUTTONUP, 0, at);
}

void PressKey(WORD vk) {
  keybd_event((BYTE)vk, (BYTE)MapVirtualKeyA(vk, 0), 0, 0);
  Sleep(20);
  keybd_event((BYTE)vk, (BYTE)MapVirtualKeyA(vk, 0), KEYEVENTF_KEYUP, 0);
}

void TypeKey(WORD vk, bool withAlt) {
  INPUT keys[4] = {};
  int count = 0;
  auto add = [&](WORD key, DWORD flags) {
    keys[count].type = INPUT_KEYBOARD;
    keys[count].ki.wVk = key;
    keys[count].ki.wScan = (WORD)MapVirtualKeyA(key, 0);
    keys[count++].ki.dwFlags = flags;
  };
  if (withAlt) add(VK_MENU, 0);
  add(vk, 0);
  add(vk, KEYEVENTF_KEYUP);
  if (withAlt) add(VK_MENU, KEYEVENTF_KEYUP);
  SendInput(count, keys, sizeof(INPUT));
}

void PostKey(HWND window, WORD vk) {
  PostMessageA(window, WM_KEYDOWN, vk, 1);
  PostMessageA(window, WM_KEYUP, vk, 0xC0000001);
}

// ---- Recorder log ---------------------------------------------------------------------

int ReadRecords(const Disc& disc, Record* out, int max) {
  char path[MAX_PATH];
  DiscPath(disc, kLogName, path, sizeof path);
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, 0);
  if (file == INVALID_HANDLE_VALUE) return 0;
  static char text[16384];
  DWORD got = 0;
  ReadFile(file, text, sizeof text - 1, &got, nullptr);
  CloseHandle(file);
  text[got] = 0;
  int count = 0;
  char* line = text;
  while (*line && count < max) {
    char* end = strchr(line, '\n');
    if (!end) break;  // a line still being written
    *end = 0;
    if (end > line && end[-1] == '\r') end[-1] = 0;
    char* tab = strchr(line, '\t');
    if (tab) *tab = 0;
    Copy(out[count].commandLine, sizeof out[count].commandLine, line);
    Copy(out[count].directory, sizeof out[count].directory, tab ? tab + 1 : "");
    count++;
    line = end + 1;
  }
  return count;
}

int WaitForRecords(const Disc& disc, int count, Record* out, int max, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    int n = ReadRecords(disc, out, max);
    if (n >= count || GetTickCount() - start >= timeoutMs) return n;
    Sleep(kPollMs);
  }
}

void ClearRecords(const Disc& disc) {
  char path[MAX_PATH];
  DiscPath(disc, kLogName, path, sizeof path);
  DeleteFileW(Wide(path).c_str());
}

// ---- Registry and profile -------------------------------------------------------------

bool SetClassValue(const char* keyPath, const char* value, bool expandable) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr)) return false;
  LONG status = RegSetValueExA(key, nullptr, 0, expandable ? REG_EXPAND_SZ : REG_SZ, reinterpret_cast<const BYTE*>(value),
                               (DWORD)strlen(value) + 1);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

namespace {
LONG DeleteKeyTree(HKEY parent, const char* name) {
  HKEY key;
  LONG status = RegOpenKeyExA(parent, name, 0, KEY_READ | KEY_WRITE, &key);
  if (status) return status;
  char child[256];
  for (;;) {
    DWORD size = sizeof child;
    if (RegEnumKeyExA(key, 0, child, &size, nullptr, nullptr, nullptr, nullptr)) break;
    if (DeleteKeyTree(key, child)) break;
  }
  RegCloseKey(key);
  return RegDeleteKeyA(parent, name);
}
}  // namespace

bool DeleteClassKey(const char* keyPath) { return DeleteKeyTree(HKEY_CLASSES_ROOT, keyPath) == ERROR_SUCCESS; }

std::wstring Wide(const char* utf8) {
  int size = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring wide(size > 0 ? size : 1, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], size);
  wide.resize(wcslen(wide.c_str()));
  return wide;
}

void ReadAutoStart(const char* section, char* out, int size) {
  wchar_t value[256] = L"";
  GetPrivateProfileStringW(Wide(section).c_str(), L"AutoStart", L"", value, 256, kProfileFile);
  WideCharToMultiByte(CP_UTF8, 0, value, -1, out, size, nullptr, nullptr);
}

bool WriteAutoStart(const char* section, const char* value) {
  return WritePrivateProfileStringW(Wide(section).c_str(), L"AutoStart", Wide(value).c_str(), kProfileFile) != 0;
}

bool RemoveProfileSection(const char* section) {
  return WritePrivateProfileStringW(Wide(section).c_str(), nullptr, nullptr, kProfileFile) != 0;
}

std::wstring ProfilePath() {
  wchar_t windows[MAX_PATH] = L"";
  GetWindowsDirectoryW(windows, MAX_PATH);
  return std::wstring(windows) + L"\\" + kProfileFile;
}

bool ProfileIsUnicode() {
  HANDLE file = CreateFileW(ProfilePath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  unsigned char mark[2] = {};
  DWORD read = 0;
  ReadFile(file, mark, 2, &read, nullptr);
  CloseHandle(file);
  return read == 2 && mark[0] == 0xFF && mark[1] == 0xFE;
}

ThreadHook::ThreadHook(DWORD threadId, const char* procedure) {
  library_ = LoadLibraryA("launcher_hooks.dll");
  HOOKPROC proc =
      library_ ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library_, procedure)))
               : nullptr;
  hook_ = proc && threadId ? SetWindowsHookExA(WH_CALLWNDPROC, proc, library_, threadId) : nullptr;
}

ThreadHook::~ThreadHook() {
  if (hook_) UnhookWindowsHookEx(hook_);
  if (library_) FreeLibrary(library_);
}

// WM_DPICHANGED as Windows sends it when the window moves to a monitor of another DPI:
// the new DPI in both halves of wParam, behind lParam the suggested window rectangle, the
// window's scaled about the given corner. The rectangle must be in the launcher's process:
// launcher_hooks.dll, hooked into the launcher's thread, sends it from there.
bool SendDpiChanged(HWND window, int from, int to, POINT corner) {
  ThreadHook hook(GetWindowThreadProcessId(window, nullptr), "DpiMessageHook");
  DWORD_PTR result = 0;
  return hook.placed() && SendMessageTimeoutA(window, RegisterWindowMessageA("AutorunTestDpiChanged"),
                                              MAKEWPARAM(to, from), MAKELPARAM(corner.x, corner.y),
                                              SMTO_NORMAL, Scaled(20000), &result);
}

}  // namespace driver

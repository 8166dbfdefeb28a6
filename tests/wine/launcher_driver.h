// Drives the real autorun.exe from a test program: disc folders, process start and end,
// finding its windows, message boxes and popup menus, reading their texts, real input,
// the recorder's log, registry associations and the profile file.
#pragma once
#include <windows.h>

#include <string>

namespace driver {

// How many times slower than a plain Wine this one runs: the WINE_TEST_SLOWDOWN of the
// environment (set where Wine runs under CPU emulation), else 1.
int Slowdown();
// True where Wine runs under CPU emulation (WINE_CPU_EMULATED in the environment):
// there every step is several times slower.
bool CpuEmulated();
// A time of the tests, stretched by the slowdown.
DWORD Scaled(DWORD ms);
// Every wait ends after this long at most, so a test never hangs.
extern const DWORD kWaitMs;
// How long a test waits to be sure that something does NOT appear.
extern const DWORD kQuietMs;
// The environment variable through which recorder.exe learns where to write, and the
// log's name in the disc folder.
constexpr const wchar_t* kRecorderLogVariable = L"E2E_RECORDER_LOG";
constexpr const char* kLogName = "recorder.log";
// recorder.exe stays this many milliseconds before exiting when this variable is set.
constexpr const char* kRecorderStayVariable = "E2E_RECORDER_STAY_MS";

// Polls the condition until it holds (true) or the time is up (false).
template <typename Condition>
bool WaitUntil(Condition done, DWORD timeoutMs = kWaitMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(15);
  }
  return true;
}

// True when DISC_BIN_DIR holds autorun.exe and GlyphKey32.dll; says what is missing if not.
bool LauncherBuilt();

// A fresh folder that stands for the root of a disc.
struct Disc {
  char dir[3 * MAX_PATH] = "";  // Windows path without trailing backslash, in UTF-8
};

// Names and paths of disc files are UTF-8, in any script.
// Makes an empty disc folder in the temp directory and copies autorun.exe (and, unless
// withLibrary is false, GlyphKey32.dll) from DISC_BIN_DIR into it.
bool MakeDisc(Disc& disc, const char* name, bool withLibrary = true);
// Writes a file of the disc (relative name) with exactly these bytes.
bool WriteDiscFile(const Disc& disc, const char* name, const char* text);
bool WriteDiscBytes(const Disc& disc, const char* name, const void* bytes, DWORD size);
// Copies recorder.exe (built beside the test program) into the disc under asName.
bool CopyRecorder(const Disc& disc, const char* asName);
// Full path of a file of the disc.
void DiscPath(const Disc& disc, const char* name, char* out, int size);
// Deletes the disc folder with everything in it.
bool RemoveDisc(Disc& disc);
bool FileExists(const char* path);

// One running launcher process.
struct Launcher {
  PROCESS_INFORMATION pi = {};
  HWND window = 0;  // the launcher window once found
  bool started = false;
};

struct StartOptions {
  const char* arguments = nullptr;  // extra command-line text after autorun.exe
  bool holdShift = false;           // Shift held down (real key state) while it starts
  bool waitForWindow = true;        // wait for the launcher window (and idle)
  bool suspended = false;           // its thread held before it runs, to be hooked (ResumeThread)
};

// Starts <disc>\autorun.exe with the disc as current directory and the recorder log of
// the disc in the environment. With waitForWindow, also waits for its window.
bool StartLauncher(Launcher& launcher, const Disc& disc, const StartOptions& options = StartOptions());
bool IsRunning(const Launcher& launcher);
// Waits for the process to end; on timeout kills it and returns false.
bool WaitForExit(Launcher& launcher, DWORD timeoutMs = kWaitMs);
// Ends the launcher with IDCANCEL (closing any box in front of it first) and waits.
bool EndLauncher(Launcher& launcher);
// Kills the process if it still runs and closes its handles (always safe to call).
void ForgetLauncher(Launcher& launcher);
bool WaitIdle(const Launcher& launcher, DWORD timeoutMs = kWaitMs);

// Top-level windows of the process, by kind. All wait at most timeoutMs; 0 when none.
HWND WaitForLauncherWindow(Launcher& launcher, DWORD timeoutMs = kWaitMs);
HWND WaitForMessageBox(const Launcher& launcher, DWORD timeoutMs = kWaitMs);
HWND WaitForAboutBox(const Launcher& launcher, DWORD timeoutMs = kWaitMs);
// A visible popup menu window (#32768) of the process other than `except`.
HWND WaitForPopup(const Launcher& launcher, DWORD timeoutMs = kWaitMs, HWND except = 0);
// Waits until the window is gone or hidden.
bool WaitForGone(HWND window, DWORD timeoutMs = kWaitMs);
// Counts the visible top-level windows of the process with this class.
int CountWindows(const Launcher& launcher, const char* className);

// Texts, read with the wide forms and converted to the ANSI code page.
void WindowText(HWND window, char* out, int size);
void MessageBoxText(HWND box, char* out, int size);  // the static with id 0xFFFF
// Closes a message box with OK and waits until it is gone.
bool CloseMessageBox(HWND box);

// A GlyphKey child of the launcher window.
struct Button {
  HWND window;
  int id;
  char text[256];
  RECT rect;  // client coordinates of the launcher window
};
constexpr int kMaxButtons = 40;
// Lists the GlyphKey children in Z order (creation order). Returns their number.
int ListButtons(HWND launcherWindow, Button* out, int max);
// Rectangle of a child in client coordinates of its parent.
RECT ChildRect(HWND child);
RECT ClientRectOf(HWND window);
RECT WindowRectOf(HWND window);

// Input. Click uses real mouse input at the control's centre; PostClick posts the
// button messages to the control instead.
void Click(HWND control);
void PostClick(HWND control);
// A real key press and release (keybd_event) to the foreground window.
void PressKey(WORD vk);
// A key typed through SendInput to the foreground window, with Alt held around it if asked.
void TypeKey(WORD vk, bool withAlt);
void PostKey(HWND window, WORD vk);
void BringToFront(HWND window);

// The recorder's log of the disc: one line per started recorder, "<command line>\t<cwd>".
struct Record {
  char commandLine[1024];
  char directory[MAX_PATH];
};
constexpr int kMaxRecords = 32;
int ReadRecords(const Disc& disc, Record* out, int max);
// Waits until the log holds at least count records; returns how many it holds.
int WaitForRecords(const Disc& disc, int count, Record* out, int max, DWORD timeoutMs = kWaitMs);
void ClearRecords(const Disc& disc);

// HKEY_CLASSES_ROOT of the test prefix. SetClassValue sets the default value of keyPath,
// as REG_EXPAND_SZ when expandable (as Windows stores its own classes' open commands).
bool SetClassValue(const char* keyPath, const char* value, bool expandable = false);
bool DeleteClassKey(const char* keyPath);  // with all sub-keys

// UTF-8 widened for the W calls.
std::wstring Wide(const char* utf8);

// The launcher's profile file "QXAutorun.ini" in the Windows directory; sections in UTF-8.
void ReadAutoStart(const char* section, char* out, int size);  // "" when missing
bool WriteAutoStart(const char* section, const char* value);
bool RemoveProfileSection(const char* section);
// The file's full path, and whether it starts with UTF-16's byte order mark.
std::wstring ProfilePath();
bool ProfileIsUnicode();

// A WH_CALLWNDPROC hook procedure of launcher_hooks.dll placed in a launcher thread for
// the object's lifetime: it acts there on what only the launcher's process can do.
class ThreadHook {
 public:
  ThreadHook(DWORD threadId, const char* procedure);
  ~ThreadHook();
  ThreadHook(const ThreadHook&) = delete;
  ThreadHook& operator=(const ThreadHook&) = delete;
  bool placed() const { return hook_ != nullptr; }

 private:
  HMODULE library_ = nullptr;
  HHOOK hook_ = nullptr;
};

// WM_GETDPISCALEDSIZE and WM_DPICHANGED as Windows sends them when the window moves to a
// monitor of another DPI, sent from inside the launcher's thread by launcher_hooks.dll.
bool SendDpiChanged(HWND window, int from, int to, POINT corner);

}  // namespace driver

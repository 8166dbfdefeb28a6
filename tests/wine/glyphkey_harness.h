// Shared pieces of the GlyphKey test programs: loading the library as a host does, a host
// window that records the notifications it receives, control creation and pixel reading.
#pragma once
#include <windows.h>

#include "check.h"
#include "glyphkey.h"

namespace gk {

// Loads the library by its bare name, the way the launcher does, with the bin directory
// added to the search path.
inline HMODULE LoadGlyphKey() {
  char dir[MAX_PATH] = "";
  GetEnvironmentVariableA("DISC_BIN_DIR", dir, MAX_PATH);
  SetDllDirectoryA(dir);
  return LoadLibraryA(GLYPHKEY_LIBRARY);
}

struct Command {
  WPARAM wParam;
  LPARAM lParam;
};

// What the host window received, and what it does when a notification arrives.
struct HostLog {
  Command commands[64];
  int count = 0;
  bool destroyOnCommand = false;     // destroy the notifying control inside WM_COMMAND
  HWND destroyAlso[4] = {};          // siblings destroyed at the same time
  void Clear() { count = 0; }
};
inline HostLog& Log() {
  static HostLog log;
  return log;
}

inline LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    HostLog& log = Log();
    if (log.count < 64) log.commands[log.count++] = Command{wParam, lParam};
    if (log.destroyOnCommand) {
      HWND control = GetDlgItem(window, LOWORD(wParam));
      if (control) DestroyWindow(control);
      for (HWND& sibling : log.destroyAlso)
        if (sibling) { DestroyWindow(sibling); sibling = nullptr; }
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

inline HWND CreateHost(int width, int height, const char* title = "GlyphKey test host") {
  static ATOM atom = 0;
  if (!atom) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "GlyphKeyTestHost";
    atom = RegisterClassA(&wc);
  }
  RECT r = {0, 0, width, height};
  AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
  HWND host = CreateWindowA("GlyphKeyTestHost", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(host);
  UpdateWindow(host);
  return host;
}

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

inline HWND CreateControl(HWND host, const char* text, DWORD style, int x, int y, int w, int h, int id,
                          HINSTANCE instance = GetModuleHandleA(nullptr)) {
  return CreateWindowExA(0, GLYPHKEY_CLASS, text, style, x, y, w, h, host,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// Handles everything queued, paints included (WM_PAINT comes once the queue is empty).
inline void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// True while part of the window waits for a paint ("redraw later" leaves it so).
inline bool HasPendingPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

inline COLORREF PixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

inline HICON UpIcon(HWND control) {
  return reinterpret_cast<HICON>(SendMessageA(control, GKM_GETUPICON, 0, 0));
}
inline HICON DownIcon(HWND control) {
  return reinterpret_cast<HICON>(SendMessageA(control, GKM_GETDOWNICON, 0, 0));
}

inline void CheckEqual(long long got, long long want, const char* file, int line, const char* what) {
  check::ReportLong(got == want, file, line, what, got, want);
}

}  // namespace gk

// The shared CHECK_EQ names its first argument twice; these tests send messages inside
// their checks, so each argument must be evaluated exactly once.
#undef CHECK_EQ
#define CHECK_EQ(got, want) \
  gk::CheckEqual((long long)(got), (long long)(want), __FILE__, __LINE__, #got " == " #want)

#define CHECK_COLOUR(window, x, y, want) \
  gk::CheckEqual((long long)gk::PixelAt((window), (x), (y)), (long long)(want), __FILE__, __LINE__, \
                 "pixel (" #x ", " #y ") is " #want)

// Finding the per-monitor DPI functions of user32 at run time, with the system DPI as
// the answer where they are missing.
#include "dpi_win32.h"

namespace dpi {
namespace {

typedef UINT(WINAPI* GetDpiForWindowFn)(HWND);
typedef int(WINAPI* GetSystemMetricsForDpiFn)(int, UINT);
typedef BOOL(WINAPI* AdjustWindowRectExForDpiFn)(RECT*, DWORD, BOOL, DWORD, UINT);

// Looked up once per name; a race between two threads only looks it up twice. No
// function-local statics: the library has no C runtime for their guards.
void* g_found[3];
bool g_looked[3];
const char* const kNames[3] = {"GetDpiForWindow", "GetSystemMetricsForDpi", "AdjustWindowRectExForDpi"};
enum { kGetDpiForWindow, kGetSystemMetricsForDpi, kAdjustWindowRectExForDpi };

void* Find(int which) {
  if (!g_looked[which]) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    g_found[which] = user32 ? reinterpret_cast<void*>(GetProcAddress(user32, kNames[which])) : nullptr;
    g_looked[which] = true;
  }
  return g_found[which];
}

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  int found = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return found > 0 ? found : kBaseDpi;
}

int WindowDpi(HWND window) {
  auto forWindow = reinterpret_cast<GetDpiForWindowFn>(Find(kGetDpiForWindow));
  UINT found = forWindow && window ? forWindow(window) : 0;
  return found ? static_cast<int>(found) : SystemDpi();
}

int MetricForDpi(int index, int dpi) {
  auto forDpi = reinterpret_cast<GetSystemMetricsForDpiFn>(Find(kGetSystemMetricsForDpi));
  if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
  return Rescale(GetSystemMetrics(index), SystemDpi(), dpi);
}

void AdjustRectForDpi(RECT* rect, DWORD style, DWORD exStyle, int dpi) {
  auto forDpi = reinterpret_cast<AdjustWindowRectExForDpiFn>(Find(kAdjustWindowRectExForDpi));
  if (forDpi && forDpi(rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
  AdjustWindowRectEx(rect, style, FALSE, exStyle);
}

}  // namespace dpi

// The launcher window's template, icons and layout rules at the DPI of its monitor.
#include "window/launcher_dpi.h"

#include "dpi_win32.h"
#include "icon_scale.h"

namespace {

// SetDialogDpiChangeBehavior (Windows 10 1703): the dialog manager keeps the dialog's
// fonts up to date but leaves its size and its controls' places to the launcher.
const int kDisableResize = 0x2, kDisableControlRelayout = 0x4;
typedef BOOL(WINAPI* SetDialogDpiChangeBehaviorFn)(HWND, int, int);
typedef void*(WINAPI* GetWindowDpiAwarenessContextFn)(HWND);
typedef int(WINAPI* GetAwarenessFromDpiAwarenessContextFn)(void*);
const int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

FARPROC User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 ? GetProcAddress(user32, name) : nullptr;
}

// Tells Windows 10's dialog manager not to scale the window and move its controls itself
// on a new DPI: the launcher lays them out.
void KeepDpiLayoutToLauncher(HWND window) {
  auto set = reinterpret_cast<SetDialogDpiChangeBehaviorFn>(
      reinterpret_cast<void*>(User32Function("SetDialogDpiChangeBehavior")));
  if (set) set(window, kDisableResize | kDisableControlRelayout, kDisableResize | kDisableControlRelayout);
}

HICON LoadWindowIcon(int size) {
  return dpi::LoadIconAtSize(GetModuleHandleA(nullptr), IDI_WINDOW, size);
}

}  // namespace

LauncherDpi::LauncherDpi()
    : windowIcon_(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WINDOW))) {}

// Windows 10 1607 and later say how aware a window is. Before them the manifest makes the
// launcher system aware, and WM_DPICHANGED, which may still arrive, is to be ignored.
bool LauncherDpi::IsPerMonitorAware(HWND window) {
  auto context = reinterpret_cast<GetWindowDpiAwarenessContextFn>(
      reinterpret_cast<void*>(User32Function("GetWindowDpiAwarenessContext")));
  auto awareness = reinterpret_cast<GetAwarenessFromDpiAwarenessContextFn>(
      reinterpret_cast<void*>(User32Function("GetAwarenessFromDpiAwarenessContext")));
  return context && awareness && awareness(context(window)) == kPerMonitorAware;
}

void LauncherDpi::MeasureTemplate(HWND window, HWND quitButton) {
  // The dialog manager made the window at the DPI of its monitor.
  templateDpi_ = dpi::WindowDpi(window);
  SetWindowIcons(window, templateDpi_);
  KeepDpiLayoutToLauncher(window);
  // Without an owner the window stands at the screen origin, so the window
  // rectangle's right and bottom edges are its template width and height.
  GetClientRect(window, &initialClientRect_);
  GetWindowRect(window, &initialWindowRect_);
  // Recorded before the first move: a move onto a monitor of another DPI sends
  // WM_DPICHANGED at once, and its layout scales the Quit button from this.
  GetWindowRect(quitButton, &quitTemplateRect_);
  MapWindowPoints(nullptr, window, (POINT*)&quitTemplateRect_, 2);
}

layout::Frame LauncherDpi::FrameAt(HWND window, int at) const {
  if (at == templateDpi_)
    return {initialWindowRect_.right, initialWindowRect_.bottom, initialClientRect_.right};
  RECT r = {0, 0, dpi::Rescale(initialClientRect_.right, templateDpi_, at),
            dpi::Rescale(initialClientRect_.bottom, templateDpi_, at)};
  const int clientWidth = r.right;
  dpi::AdjustRectForDpi(&r, (DWORD)GetWindowLongA(window, GWL_STYLE),
                        (DWORD)GetWindowLongA(window, GWL_EXSTYLE), at);
  return {r.right - r.left, r.bottom - r.top, clientWidth};
}

SIZE LauncherDpi::QuitSizeAt(int at) const {
  return {dpi::Rescale(quitTemplateRect_.right - quitTemplateRect_.left, templateDpi_, at),
          dpi::Rescale(quitTemplateRect_.bottom - quitTemplateRect_.top, templateDpi_, at)};
}

POINT LauncherDpi::QuitOriginAt(int at) const {
  return {dpi::Rescale(quitTemplateRect_.left, templateDpi_, at),
          dpi::Rescale(quitTemplateRect_.top, templateDpi_, at)};
}

void LauncherDpi::SetWindowIcons(HWND window, int at) {
  // At the system's DPI the big icon is the shared one, of the system's icon size (where
  // the group has an image of it: at 125 % the 40-pixel one is shrunk from 48); the
  // title bar and the task bar want the small image of the same icon, as the 32-pixel
  // one shrunk to 16 is a blur.
  const int big = dpi::MetricForDpi(SM_CXICON, at);
  const bool shared = big == GetSystemMetrics(SM_CXICON) && dpi::SourceImageSize(big) == big;
  HICON newBig = shared ? nullptr : LoadWindowIcon(big);
  HICON newSmall = LoadWindowIcon(dpi::MetricForDpi(SM_CXSMICON, at));
  SendMessageA(window, WM_SETICON, ICON_BIG, (LPARAM)(newBig ? newBig : windowIcon_));
  SendMessageA(window, WM_SETICON, ICON_SMALL, (LPARAM)(newSmall ? newSmall : windowIcon_));
  // The window holds the new ones now: the old ones can go.
  DestroyIcons();
  bigIcon_ = newBig;
  smallIcon_ = newSmall;
}

void LauncherDpi::DestroyIcons() {
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
  smallIcon_ = bigIcon_ = nullptr;
}

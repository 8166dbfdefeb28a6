// The launcher window at the DPI of its monitor: the template's size at a DPI, the
// window's icons at its sizes, and the layout made again when the window moves to a
// monitor of another DPI.
#include "commands/command_line.h"
#include "dpi_win32.h"
#include "icon_scale.h"
#include "window/launcher_dialog.h"

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

// Windows 10 1607 and later say how aware a window is. Before them the manifest makes the
// launcher system aware, and WM_DPICHANGED, which may still arrive, is to be ignored:
// Windows scales a system-aware window itself, and a layout made again would scale twice.
bool IsPerMonitorAware(HWND window) {
  auto context = reinterpret_cast<GetWindowDpiAwarenessContextFn>(
      reinterpret_cast<void*>(User32Function("GetWindowDpiAwarenessContext")));
  auto awareness = reinterpret_cast<GetAwarenessFromDpiAwarenessContextFn>(
      reinterpret_cast<void*>(User32Function("GetAwarenessFromDpiAwarenessContext")));
  return context && awareness && awareness(context(window)) == kPerMonitorAware;
}

HICON LoadWindowIcon(int size) {
  return dpi::LoadIconAtSize(GetModuleHandleA(nullptr), IDI_WINDOW, size);
}

}  // namespace

layout::Frame LauncherDialog::FrameAt(int at) const {
  if (at == templateDpi) return {initialWindowRect.right, initialWindowRect.bottom, initialClientRect.right};
  RECT r = {0, 0, dpi::Rescale(initialClientRect.right, templateDpi, at),
            dpi::Rescale(initialClientRect.bottom, templateDpi, at)};
  const int clientWidth = r.right;
  dpi::AdjustRectForDpi(&r, (DWORD)GetWindowLongA(handle_, GWL_STYLE),
                        (DWORD)GetWindowLongA(handle_, GWL_EXSTYLE), at);
  return {r.right - r.left, r.bottom - r.top, clientWidth};
}

void LauncherDialog::SetWindowIcons(int at) {
  // At the system's DPI the big icon is the shared one, of the system's icon size (where
  // the group has an image of it: at 125 % the 40-pixel one is shrunk from 48); the
  // title bar and the task bar want the small image of the same icon, as the 32-pixel
  // one shrunk to 16 is a blur.
  const int big = dpi::MetricForDpi(SM_CXICON, at);
  const bool shared = big == GetSystemMetrics(SM_CXICON) && dpi::SourceImageSize(big) == big;
  HICON newBig = shared ? nullptr : LoadWindowIcon(big);
  HICON newSmall = LoadWindowIcon(dpi::MetricForDpi(SM_CXSMICON, at));
  SendMessageA(handle_, WM_SETICON, ICON_BIG, (LPARAM)(newBig ? newBig : windowIcon));
  SendMessageA(handle_, WM_SETICON, ICON_SMALL, (LPARAM)(newSmall ? newSmall : windowIcon));
  // The window holds the new ones now: the old ones can go.
  if (bigIcon) DestroyIcon(bigIcon);
  if (smallIcon) DestroyIcon(smallIcon);
  bigIcon = newBig;
  smallIcon = newSmall;
}

void LauncherDialog::KeepDpiLayoutToItself() {
  auto set = reinterpret_cast<SetDialogDpiChangeBehaviorFn>(
      reinterpret_cast<void*>(User32Function("SetDialogDpiChangeBehavior")));
  if (set) set(handle_, kDisableResize | kDisableControlRelayout, kDisableResize | kDisableControlRelayout);
}

SIZE LauncherDialog::QuitSizeAt(int at) const {
  return {dpi::Rescale(quitTemplateRect.right - quitTemplateRect.left, templateDpi, at),
          dpi::Rescale(quitTemplateRect.bottom - quitTemplateRect.top, templateDpi, at)};
}

SIZE LauncherDialog::SizeAtDpi(int at) const {
  const layout::Frame frame = FrameAt(at);
  if (column.dpi() == 0) return {frame.windowWidth, frame.windowHeight};
  // Where the window will stand is not known yet. A long menu's columns are measured for
  // the work area under the pointer, which carries a dragged window across; should the
  // window land elsewhere, WM_DPICHANGED lays it out for its real work area.
  POINT pointer = {};
  GetCursorPos(&pointer);
  const RECT spot = {pointer.x, pointer.y, pointer.x + 1, pointer.y + 1};
  const RECT work = framework::WorkAreaNear(spot);
  const layout::Arrangement a = layout::Arrange(column.AtDpi(dpi::MetricForDpi(SM_CYICON, at), at), frame,
                                                work.right - work.left, work.bottom - work.top);
  return {a.windowWidth, a.windowHeight};
}

void LauncherDialog::OnDpiChanged(int at, const RECT& suggested) {
  if (!IsPerMonitorAware(handle_)) return;
  SetWindowIcons(at);
  // The window goes exactly where Windows suggests: moved anywhere else, a window dragged
  // across two monitors would jump away from the pointer, and could bounce between them.
  // The size is the launcher's own, the one WM_GETDPISCALEDSIZE gave for the suggestion.
  const POINT origin = {suggested.left, suggested.top};
  if (placing) {
    // The layout under way moved the window here; it lays out again at this DPI when
    // that move returns (LayOutColumn).
    SetWindowPos(handle_, nullptr, origin.x, origin.y, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const SIZE quit = QuitSizeAt(at);
  if (column.dpi() == 0) {
    // No menu was laid out: the window keeps its template's size and Quit button, each
    // figure of the button scaled on its own, as the dialog manager maps them.
    const layout::Frame frame = FrameAt(at);
    SetWindowPos(handle_, nullptr, origin.x, origin.y, frame.windowWidth, frame.windowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    MoveWindow(quitButton.handle(), dpi::Rescale(quitTemplateRect.left, templateDpi, at),
               dpi::Rescale(quitTemplateRect.top, templateDpi, at), quit.cx, quit.cy, TRUE);
    return;
  }
  column = column.AtDpi(dpi::MetricForDpi(SM_CYICON, at), at);
  PlaceButtons(column, framework::WorkAreaNear(suggested), &origin, true);
  // The disc's own pictures are read again from their files at the new icon size.
  pictures.Reload(handle_, command::kFirstButtonId, column.iconHeight());
}

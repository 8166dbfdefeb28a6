// A hook library that the Wine tests place in the launcher's thread, to do what only
// the launcher's own process can do:
// - send the launcher WM_DPICHANGED, whose rectangle is a pointer that no other process
//   can hand over (under CPU emulation Wine cannot write into another process's memory);
// - tell whether an icon handle is still alive there: under Wine an icon is an object of
//   the process that made it, so another process cannot ask.
#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The test sends the window this registered message: wParam the new DPI (low word) and
// the one the window has now (high word), lParam the suggested rectangle's top left
// corner (signed words). The suggested rectangle is the window's scaled about that
// corner, as Windows suggests it.
extern "C" __declspec(dllexport) LRESULT CALLBACK DpiMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  static UINT trigger = RegisterWindowMessageA("AutorunTestDpiChanged");
  if (code == HC_ACTION && call->message == trigger) {
    const int to = LOWORD(call->wParam), from = HIWORD(call->wParam);
    const int left = static_cast<short>(LOWORD(call->lParam)), top = static_cast<short>(HIWORD(call->lParam));
    RECT now;
    GetWindowRect(call->hwnd, &now);
    RECT suggested = {left, top, left + MulDiv(now.right - now.left, to, from),
                      top + MulDiv(now.bottom - now.top, to, from)};
    SendMessageA(call->hwnd, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The test posts the window this registered message: wParam the icon, lParam the
// question's sequence number. The answer goes into a window property that any process
// can read: the sequence number times two, plus one if the icon is alive.
extern "C" __declspec(dllexport) LRESULT CALLBACK IconProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  MSG* msg = reinterpret_cast<MSG*>(lParam);
  static UINT question = RegisterWindowMessageA("GlyphKeyTestIconProbe");
  if (code == HC_ACTION && msg && msg->message == question) {
    ICONINFO info = {};
    BOOL alive = GetIconInfo(reinterpret_cast<HICON>(msg->wParam), &info);
    if (alive) {
      if (info.hbmMask) DeleteObject(info.hbmMask);
      if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    SetPropA(msg->hwnd, "GlyphKeyTestIconProbe", reinterpret_cast<HANDLE>(msg->lParam * 2 + (alive ? 1 : 0)));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

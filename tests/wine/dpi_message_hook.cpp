// A hook library that the window test places in the launcher's thread, to send the
// launcher WM_DPICHANGED from inside its own process: the message's rectangle is a
// pointer, which no other process can hand over (under CPU emulation Wine cannot write
// into another process's memory either).
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

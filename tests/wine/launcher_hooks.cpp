// A hook library that the Wine tests place in the launcher's thread, to do what only
// the launcher's own process can do:
// - send the launcher WM_GETDPISCALEDSIZE and WM_DPICHANGED, whose size and rectangle
//   are behind pointers that no other process can hand over (under CPU emulation Wine
//   cannot write into another process's memory), also in the middle of its start-up;
// - tell whether an icon handle is still alive there: under Wine an icon is an object of
//   the process that made it, so another process cannot ask;
// - count the colour and setting changes that reach the picture buttons.
#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// A DPI change in Windows' order: WM_GETDPISCALEDSIZE with the window's size now, then
// WM_DPICHANGED whose suggested rectangle has the answer's size (the size scaled when the
// window gives none) at the corner given. That size is left in the window's properties
// "AutorunTestWidth" and "AutorunTestHeight", which any process can read, and whether the
// window answered in "AutorunTestAnswered".
void SendDpiChange(HWND window, int to, int from, int left, int top) {
  RECT now;
  GetWindowRect(window, &now);
  SIZE size = {now.right - now.left, now.bottom - now.top};
  const bool answered = SendMessageA(window, WM_GETDPISCALEDSIZE, to, reinterpret_cast<LPARAM>(&size)) != 0;
  if (!answered) size = {MulDiv(now.right - now.left, to, from), MulDiv(now.bottom - now.top, to, from)};
  SetPropA(window, "AutorunTestAnswered", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(answered)));
  RECT suggested = {left, top, left + size.cx, top + size.cy};
  SetPropA(window, "AutorunTestWidth", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(size.cx)));
  SetPropA(window, "AutorunTestHeight", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(size.cy)));
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

// The test sends the window this registered message: wParam the new DPI (low word) and
// the one the window has now (high word), lParam the suggested rectangle's top left
// corner (signed words).
extern "C" __declspec(dllexport) LRESULT CALLBACK DpiMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  static UINT trigger = RegisterWindowMessageA("AutorunTestDpiChanged");
  if (code == HC_ACTION && call->message == trigger) {
    SendDpiChange(call->hwnd, LOWORD(call->wParam), HIWORD(call->wParam),
                  static_cast<short>(LOWORD(call->lParam)), static_cast<short>(HIWORD(call->lParam)));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Hooked into the launcher's thread before it runs: the first move of its window after
// WM_INITDIALOG (onto the start monitor, before the menu is read) is taken for a move onto
// a monitor of another DPI (144 on a 96-dpi screen, else 96), as Windows reports it there.
// The property "AutorunTestStartDpi" says that it was sent.
extern "C" __declspec(dllexport) LRESULT CALLBACK StartDpiHook(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  static bool initialised = false, sent = false;
  if (code == HC_ACTION && !sent) {
    if (call->message == WM_INITDIALOG) initialised = true;
    const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(call->lParam);
    if (initialised && call->message == WM_WINDOWPOSCHANGED && !(pos->flags & SWP_NOMOVE)) {
      sent = true;
      HDC screen = GetDC(nullptr);
      const int from = GetDeviceCaps(screen, LOGPIXELSY), to = from == 96 ? 144 : 96;
      ReleaseDC(nullptr, screen);
      SendDpiChange(call->hwnd, to, from, pos->x, pos->y);
      SetPropA(call->hwnd, "AutorunTestStartDpi", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(to)));
    }
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

// Counts WM_SYSCOLORCHANGE and WM_SETTINGCHANGE as they reach a picture button, in the
// property "AutorunTestColourChanges" of the button's parent.
extern "C" __declspec(dllexport) LRESULT CALLBACK ColourChangeHook(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  char className[16] = "";
  if (code == HC_ACTION && (call->message == WM_SYSCOLORCHANGE || call->message == WM_SETTINGCHANGE) &&
      GetClassNameA(call->hwnd, className, sizeof className) && lstrcmpiA(className, "GlyphKey") == 0) {
    HWND parent = GetParent(call->hwnd);
    INT_PTR count = reinterpret_cast<INT_PTR>(GetPropA(parent, "AutorunTestColourChanges"));
    SetPropA(parent, "AutorunTestColourChanges", reinterpret_cast<HANDLE>(count + 1));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

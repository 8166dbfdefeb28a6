// Put into the launcher's process by a message hook, it tells whether an icon handle
// is still alive there: under Wine an icon is an object of the process that made it,
// so another process cannot ask. The answer goes into a window property that any
// process can read: the sequence number of the question times two, plus one if alive.
#include <windows.h>

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

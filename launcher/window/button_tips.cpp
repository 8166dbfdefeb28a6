// Tips for the pointer and for the keyboard: one tooltip control shows a button's tip
// when the pointer rests on it, with the system's delays; a second shows it at once
// under a button that receives the focus other than by a click, until the focus goes,
// a key is pressed or the button is clicked. Esc takes it away without closing the menu.
#include "window/button_tips.h"

#include <commctrl.h>

#include "base/wide_text_win32.h"
#include "dpi_win32.h"

namespace {

const int kTipWidth = 320;  // pixels at 96 dpi before a long tip wraps
const UINT_PTR kSubclassId = 1;

// A whole button as a tool of a tooltip control; the size of the tool record that every
// version of the common controls takes.
TOOLINFOW ButtonTool(HWND window, HWND button, UINT flags) {
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | flags;
  tool.hwnd = window;
  tool.uId = (UINT_PTR)button;
  return tool;
}

// Owned by the window, it goes with it. Always shown, active window or not.
HWND MakeTipControl(HWND window) {
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

bool IsEscapeDown(LPARAM message) {
  const MSG* m = (const MSG*)message;
  return m && m->message == WM_KEYDOWN && m->wParam == VK_ESCAPE;
}

}  // namespace

void ButtonTips::Add(HWND window, HWND button, const char* tip) {
  if (!hover_) hover_ = MakeTipControl(window);
  if (!focus_) focus_ = MakeTipControl(window);
  if (!hover_ || !focus_) return;
  // A window laid out right to left has its tips read that way.
  const UINT direction = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? TTF_RTLREADING : 0;
  TOOLINFOW tool = ButtonTool(window, button, TTF_SUBCLASS | direction);
  WideText text(tip);
  tool.lpszText = text.get();  // the controls keep a copy
  SendMessageW(hover_, TTM_ADDTOOLW, 0, (LPARAM)&tool);
  tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE | direction;
  SendMessageW(focus_, TTM_ADDTOOLW, 0, (LPARAM)&tool);
  SetWindowSubclass(button, ButtonProc, kSubclassId, (DWORD_PTR)this);
}

void ButtonTips::Remove(HWND window, HWND button) {
  if (!hover_ || !focus_) return;
  TOOLINFOW tool = ButtonTool(window, button, 0);
  SendMessageW(hover_, TTM_DELTOOLW, 0, (LPARAM)&tool);
  SendMessageW(focus_, TTM_DELTOOLW, 0, (LPARAM)&tool);
  RemoveWindowSubclass(button, ButtonProc, kSubclassId);
}

void ButtonTips::FollowDpi(int dpi) {
  if (hover_) SendMessageA(hover_, TTM_SETMAXTIPWIDTH, 0, dpi::Scale(kTipWidth, dpi));
  if (focus_) SendMessageA(focus_, TTM_SETMAXTIPWIDTH, 0, dpi::Scale(kTipWidth, dpi));
}

void ButtonTips::HideFocusTip() {
  if (focus_ && IsWindowVisible(focus_)) SendMessageA(focus_, TTM_TRACKACTIVATE, FALSE, 0);
}

void ButtonTips::ShowFocusTip(HWND button) {
  // Under the button's left edge, or above it where the work area ends below it; placed
  // here, as tracking tips without a place of their own follow the pointer in some
  // versions of the control.
  RECT r;
  GetWindowRect(button, &r);
  TOOLINFOW tool = ButtonTool(GetParent(button), button, 0);
  const LRESULT size = SendMessageW(focus_, TTM_GETBUBBLESIZE, 0, (LPARAM)&tool);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  int x = r.left, y = r.bottom;
  if (GetMonitorInfoA(MonitorFromWindow(button, MONITOR_DEFAULTTONEAREST), &monitor)) {
    if (y + HIWORD(size) > monitor.rcWork.bottom) y = r.top - HIWORD(size);
    if (x + LOWORD(size) > monitor.rcWork.right) x = monitor.rcWork.right - LOWORD(size);
  }
  SendMessageA(hover_, TTM_POP, 0, 0);  // one tip at a time
  SendMessageA(focus_, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
  SendMessageW(focus_, TTM_TRACKACTIVATE, TRUE, (LPARAM)&tool);
}

LRESULT CALLBACK ButtonTips::ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
  ButtonTips* tips = (ButtonTips*)self;
  const bool shown = IsWindowVisible(tips->focus_) != FALSE;
  switch (message) {
    case WM_GETDLGCODE:
      // Esc goes to the button while its tip shows, not to the dialog manager, which
      // would close the menu.
      if (shown && IsEscapeDown(lParam))
        return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTMESSAGE;
      break;
    case WM_KEYDOWN:
      tips->HideFocusTip();
      if (shown && wParam == VK_ESCAPE) return 0;
      break;
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_KILLFOCUS:
      tips->HideFocusTip();
      break;
    case WM_SETFOCUS: {
      LRESULT result = DefSubclassProc(button, message, wParam, lParam);
      // A click gives the focus too: the pointer's own tip serves it.
      if (GetKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_RBUTTON) >= 0) tips->ShowFocusTip(button);
      return result;
    }
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

// The GlyphKey window procedure: one case per message; data messages answered here.
#include "accessible.h"
#include "dpi_win32.h"
#include "glyphkey.h"
#include "glyphkey_internal.h"

namespace glyphkey {
namespace {

LRESULT OnCreate(HWND window, const CREATESTRUCTA* create) {
  auto* record = static_cast<ControlRecord*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ControlRecord)));
  if (!record) return -1;  // the window system then abandons the creation
  SetWindowLongA(window, kRecordIndex, reinterpret_cast<LONG>(record));
  record->width = create->cx;
  record->height = create->cy;
  record->state = ControlTypeOf(window) == kTypeDefaultPush ? kStateDefault : 0;
  // A window created with WS_DISABLED gets no WM_ENABLE: its first paint must be gray already.
  if (!IsWindowEnabled(window)) record->state |= kStateDisabled;
  record->background = kSystemColour;
  record->captionColour = kSystemColour;
  char text[kTextBufferSize];
  GetWindowTextA(window, text, kTextBufferSize);
  ApplyControlText(window, record, text, kCreationTextLimit);
  return 1;
}

void DeleteFont(ControlRecord* record) {
  if (!record->font) return;
  DeleteObject(record->font);
  record->font = nullptr;  // a deleted font never stays in the slot
}

// The description is kept in UTF-16; an ANSI one is widened from the ANSI code page.
void SetDescription(ControlRecord* record, const void* text, bool wide) {
  if (record->description) HeapFree(GetProcessHeap(), 0, record->description);
  record->description = nullptr;
  if (!text) return;
  const char* ansi = static_cast<const char*>(text);
  int size = wide ? lstrlenW(static_cast<const wchar_t*>(text)) + 1
                  : MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
  record->description = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, size * sizeof(wchar_t)));
  if (!record->description) return;
  if (wide)
    lstrcpynW(record->description, static_cast<const wchar_t*>(text), size);
  else
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, record->description, size);
}

void OnDestroy(HWND window, ControlRecord* record) {
  DetachAccessible(window);
  SetDescription(record, nullptr, false);
  DeleteFont(record);
  ForgetSizedIcons(record);
  SetWindowLongA(window, kRecordIndex, 0);
  HeapFree(GetProcessHeap(), 0, record);
}

void OnEnable(HWND window, ControlRecord* record, WPARAM enabled) {
  if (enabled) record->state &= ~kStateDisabled;
  else record->state |= kStateDisabled;
  RedrawNow(window);
  NotifyClientChange(window, EVENT_OBJECT_STATECHANGE);  // available or unavailable
}

// DLGC_BUTTON is what makes a dialog manager look for the caption's mnemonic at all;
// the push-button bits tell it which button Enter presses, as a system push button's do.
LRESULT OnGetDlgCode(HWND window, const ControlRecord* record) {
  if (IsOnOff(window)) return DLGC_BUTTON;
  return DLGC_BUTTON | ((record->state & kStateDefault) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void OnSetCheck(HWND window, ControlRecord* record, WPARAM check) {
  // 2 (indeterminate) differs from "on" and clears it through its bit 0.
  if (check == (record->state & kStateOn)) return;
  record->state = (record->state & ~kStateOn) | (check & kStateOn);
  RedrawNow(window);
  NotifyClientChange(window, EVENT_OBJECT_STATECHANGE);
}

void OnSetStyle(HWND window, ControlRecord* record, WPARAM style, LPARAM redraw) {
  // A dialog manager demoting a default button changes the record only, never the style.
  DWORD before = record->state;
  if (style == BS_PUSHBUTTON && !IsOnOff(window)) record->state &= ~kStateDefault;
  else if (style == BS_DEFPUSHBUTTON && !IsOnOff(window)) record->state |= kStateDefault;
  else if (style == BS_AUTOCHECKBOX)
    SetWindowLongA(window, GWL_STYLE, (GetWindowLongA(window, GWL_STYLE) & ~kTypeMask) | kTypeOnOff);
  if (redraw) InvalidateRect(window, nullptr, TRUE);
  if (record->state != before) NotifyClientChange(window, EVENT_OBJECT_STATECHANGE);
}

// GKM_SETTEXT with an ANSI text, GKM_SETTEXTW with a UTF-16 one: the same steps.
void OnSetText(HWND window, ControlRecord* record, char* text) {
  if (!text) return;  // no text: the control stays as it was
  SetWindowTextA(window, text);
  ApplyControlText(window, record, text, kNoTextLimit);
  NotifyClientChange(window, EVENT_OBJECT_NAMECHANGE);
}
void OnSetText(HWND window, ControlRecord* record, wchar_t* text) {
  if (!text) return;
  SetWindowTextWide(window, text);
  ApplyControlText(window, record, text, kNoTextLimit);
  NotifyClientChange(window, EVENT_OBJECT_NAMECHANGE);
}

// The underlined character of the window text, as text: empty when none.
void UnderlinedText(HWND window, wchar_t out[3]) {
  wchar_t caption[kTextBufferSize];
  ReadCaption(window, caption, kTextBufferSize);
  Underline underline = UnderlinedCharacter(caption);
  int n = 0;
  for (int i = 0; i < underline.length; ++i) out[n++] = caption[underline.offset + i];
  out[n] = 0;
}

// WM_SETTEXT, also the two that GKM_SETTEXT makes: the window system announces the new
// name; the control announces the shortcut when the underlined character changes.
LRESULT OnWindowText(HWND window, WPARAM wParam, LPARAM text, bool wide) {
  wchar_t was[3], now[3];
  UnderlinedText(window, was);
  LRESULT result = wide ? DefWindowProcW(window, WM_SETTEXT, wParam, text)
                        : DefWindowProcA(window, WM_SETTEXT, wParam, text);
  UnderlinedText(window, now);
  bool same = true;
  for (int i = 0; i < 3 && same && (was[i] || now[i]); ++i) same = was[i] == now[i];
  if (!same) NotifyClientChange(window, EVENT_OBJECT_ACCELERATORCHANGE);
  return result;
}

}  // namespace

void SetWindowTextWide(HWND window, const wchar_t* text) {
  OnWindowText(window, 0, reinterpret_cast<LPARAM>(text), true);
}

}  // namespace glyphkey

extern "C" LRESULT CALLBACK GlyphKeyWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  using namespace glyphkey;
  if (message == WM_CREATE) return OnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
  ControlRecord* record = RecordOf(window);
  // Before WM_CREATE and after WM_DESTROY there is no record: the window system handles all.
  if (!record) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_DESTROY: OnDestroy(window, record); return 1;
    case WM_SIZE:
      record->width = static_cast<short>(LOWORD(lParam));
      record->height = static_cast<short>(HIWORD(lParam));
      return 1;
    case WM_SETFOCUS: OnSetFocus(window, record); return 1;
    case WM_KILLFOCUS: OnKillFocus(window, record); return 1;
    case WM_ENABLE: OnEnable(window, record, wParam); return 1;
    case WM_PAINT: PaintControl(window, record); return 1;
    case WM_GETDLGCODE: return OnGetDlgCode(window, record);
    case BM_GETCHECK: return record->state & kStateOn;
    case BM_SETCHECK: OnSetCheck(window, record, wParam); return 1;
    case BM_SETSTYLE: OnSetStyle(window, record, wParam, lParam); return 1;
    case BM_CLICK: OnClick(window, record); return 1;
    case WM_KEYDOWN: return OnKeyDown(window, record, wParam);
    case WM_KEYUP: return OnKeyUp(window, record, wParam);
    case GKM_SETTEXT: OnSetText(window, record, reinterpret_cast<char*>(lParam)); return 1;
    case WM_MOUSEMOVE: OnMouseMove(window, record, lParam); return 1;
    case WM_LBUTTONDOWN: OnLButtonDown(window, record); return 1;
    case WM_LBUTTONUP: OnLButtonUp(window, record, lParam); return 1;
    case GKM_SETDOWNICON: record->downIcon = reinterpret_cast<HICON>(wParam); return 1;
    case GKM_SETUPICON: record->upIcon = reinterpret_cast<HICON>(wParam); return 1;
    case GKM_GETDOWNICON: return reinterpret_cast<LRESULT>(record->downIcon);
    case GKM_GETUPICON: return reinterpret_cast<LRESULT>(record->upIcon);
    case GKM_DELETEFONT: DeleteFont(record); return 1;
    case GKM_GETFONT: return reinterpret_cast<LRESULT>(record->font);
    case GKM_SETBKCOLOR: record->background = static_cast<COLORREF>(lParam); return 1;
    case GKM_SETTEXTCOLOR: record->captionColour = static_cast<COLORREF>(lParam); return 1;
    case GKM_SETTEXTW: OnSetText(window, record, reinterpret_cast<wchar_t*>(lParam)); return 1;
    case GKM_SETDESCRIPTION: SetDescription(record, reinterpret_cast<const void*>(lParam), false); return 1;
    case GKM_SETDESCRIPTIONW: SetDescription(record, reinterpret_cast<const void*>(lParam), true); return 1;
    // The parent moved to a monitor of another DPI: the icons are drawn at its size now.
    case WM_DPICHANGED_AFTERPARENT:
      ForgetSizedIcons(record);
      RedrawLater(window);
      return 0;
    case WM_GETOBJECT: return OnGetObject(window, wParam, lParam);
    // The caption changes alone: the window system announces the new name, the control
    // the shortcut that the name underlines.
    case WM_SETTEXT: return OnWindowText(window, wParam, lParam, false);
    // A contrast theme switched on or off: the colours are read again at the next paint.
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      RedrawLater(window);
      return DefWindowProcA(window, message, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

// Input of a GlyphKey control: focus, space bar and accelerator, mouse tracking, notifications.
#include "accessible.h"
#include "glyphkey_internal.h"
#include "paint_geometry.h"

namespace glyphkey {
namespace {
constexpr WPARAM kSpaceKey = VK_SPACE;

// Windows' dialog manager clicks a default push button itself when its letter is typed
// (BN_CLICKED straight to the dialog, never through the control): such a button leaves
// its letter to the dialog manager, or the letter would run it twice.
bool LeavesLetterToDialog(HWND window, const ControlRecord* record) {
  return (record->state & kStateDefault) && !IsOnOff(window);
}

bool IsActivatingKey(HWND window, const ControlRecord* record, WPARAM key) {
  if (key == kSpaceKey) return true;
  return record->accelerator != 0 && key == static_cast<WPARAM>(record->accelerator) &&
         !LeavesLetterToDialog(window, record);
}

// A completed activation: an on/off switch toggles, every other type ends off.
void ApplyOnFlagRule(HWND window, ControlRecord* record) {
  DWORD before = record->state;
  if (IsOnOff(window)) record->state ^= kStateOn;
  else record->state &= ~kStateOn;
  if (record->state != before) NotifyClientChange(window, EVENT_OBJECT_STATECHANGE);
}

// Sent synchronously; the parent may destroy this control (and its siblings) before it
// returns, so callers touch neither the record nor the window afterwards.
void Notify(HWND window, WORD highWord, LPARAM lParam) {
  HWND parent = reinterpret_cast<HWND>(GetWindowLongA(window, GWL_HWNDPARENT));
  WORD id = LOWORD(GetWindowLongA(window, GWL_ID));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, highWord), lParam);
}

bool IsInside(HWND window, LPARAM point) {
  POINT p = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  ClientToScreen(window, &p);
  RECT bounds;
  GetWindowRect(window, &bounds);
  return PtInRect(&bounds, p) != FALSE;
}

}  // namespace

void OnSetFocus(HWND window, ControlRecord* record) {
  // A dialog manager moves the focus here when this control's mnemonic is typed: if the key
  // is still down, the control presses itself and completes the press with a posted key-up.
  if (record->accelerator != 0 && !LeavesLetterToDialog(window, record) &&
      GetKeyState(record->accelerator) < 0) {
    record->state |= kStatePressed;
    PostMessageA(window, WM_KEYUP, kSpaceKey, 0);
  }
  record->focus = 1;
  DrawFocus(window, record, nullptr);
}

void OnKillFocus(HWND window, ControlRecord* record) {
  record->focus = 0;
  DrawFocus(window, record, nullptr);  // inverting the same rectangle again removes it
}

LRESULT OnKeyDown(HWND window, ControlRecord* record, WPARAM key) {
  if (!IsActivatingKey(window, record, key)) return 0;
  if (!(record->state & kStatePressed)) {  // auto-repeat changes nothing
    record->state |= kStatePressed;
    RedrawLater(window);
  }
  return 1;
}

LRESULT OnKeyUp(HWND window, ControlRecord* record, WPARAM key) {
  if (!IsActivatingKey(window, record, key)) return 0;
  if (!(record->state & kStatePressed)) return 1;
  record->state &= ~kStatePressed;
  ApplyOnFlagRule(window, record);
  RedrawLater(window);
  Notify(window, static_cast<WORD>(record->state & kStateOn), 0);  // high word: on after the toggle
  return 1;
}

void OnLButtonDown(HWND window, ControlRecord* record) {
  SetFocus(window);
  record->state |= kStatePressed;
  RedrawNow(window);
  SetCapture(window);
  record->tracking = 1;
}

void OnMouseMove(HWND window, ControlRecord* record, LPARAM point) {
  if (!record->tracking) return;
  DWORD state = IsInside(window, point) ? (record->state | kStatePressed) : (record->state & ~kStatePressed);
  if (state == record->state) return;
  record->state = state;
  RedrawNow(window);
}

void OnLButtonUp(HWND window, ControlRecord* record, LPARAM point) {
  if (!record->tracking) return;
  record->tracking = 0;
  ReleaseCapture();
  if (!IsInside(window, point)) return;  // released outside: abandoned silently
  record->state &= kStateOn | kStateDefault | kStateDisabled;
  ApplyOnFlagRule(window, record);
  RedrawNow(window);
  Notify(window, BN_CLICKED, reinterpret_cast<LPARAM>(window));
}

// BM_CLICK, which a dialog manager sends for a typed mnemonic and a screen reader's default
// action posts: the focus, then one completed click. A press that the focus began with the
// mnemonic key down ends here, so the key-up it posted finds nothing left to complete.
void OnClick(HWND window, ControlRecord* record) {
  if (!IsWindowEnabled(window)) return;
  SetFocus(window);
  record->state &= ~kStatePressed;
  ApplyOnFlagRule(window, record);
  RedrawNow(window);
  Notify(window, BN_CLICKED, reinterpret_cast<LPARAM>(window));
}

}  // namespace glyphkey

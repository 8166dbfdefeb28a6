// The per-window record of a GlyphKey control, reached through window index 4.
#pragma once
#include <windows.h>

namespace glyphkey {

constexpr int kWindowExtraBytes = 12;
constexpr int kRecordIndex = 4;  // indexes 0 and 8 of the extra bytes stay unused
constexpr COLORREF kSystemColour = 0xFFFFFFFF;

// Control types, the low four bits of the window style (read every time, never cached).
constexpr LONG kTypeMask = 0xF;
constexpr LONG kTypeDefaultPush = 1;
constexpr LONG kTypeOnOff = 3;

struct ControlRecord {
  LONG focus;
  LONG width;
  LONG height;
  DWORD state;
  LONG tracking;
  LONG accelerator;
  HICON upIcon;
  HICON downIcon;
  COLORREF background;
  COLORREF captionColour;
  // Nothing fills this slot: WM_SETFONT goes to DefWindowProcA and the caption is drawn in
  // the device context's own font, so the host's dialog fonts never reach the control.
  // It is kept so that GKM_GETFONT, GKM_DELETEFONT and WM_DESTROY answer as hosts expect.
  HFONT font;
  // The icons drawn at a DPI whose icon size is not the system's (a second monitor):
  // copies made from the icons' own images of that size, owned by the control and
  // destroyed when replaced and with the control. from names the icon copied.
  struct SizedIcon {
    HICON from;
    HICON copy;
    int size;
  } sized[2];  // the up icon's, the down icon's
  // The accessible description given with GKM_SETDESCRIPTION(W), a UTF-16 copy on the
  // process heap.
  wchar_t* description;
};

inline ControlRecord* RecordOf(HWND window) {
  return reinterpret_cast<ControlRecord*>(GetWindowLongA(window, kRecordIndex));
}
inline LONG ControlTypeOf(HWND window) { return GetWindowLongA(window, GWL_STYLE) & kTypeMask; }
inline bool IsOnOff(HWND window) { return ControlTypeOf(window) == kTypeOnOff; }

// Redraw at once: erase and paint before returning.
inline void RedrawNow(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}
// Redraw later: the paint comes when the message queue is empty.
inline void RedrawLater(HWND window) { InvalidateRect(window, nullptr, TRUE); }

}  // namespace glyphkey

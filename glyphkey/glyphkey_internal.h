// Declarations shared by the parts of GlyphKey32.dll: window procedure, paint, input, text.
#pragma once
#include <windows.h>

#include "control_record.h"
#include "control_text.h"
#include "paint_colours.h"
#include "paint_geometry.h"

extern "C" LRESULT CALLBACK GlyphKeyWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
extern "C" BOOL CALLBACK GrayIcon(HDC dc, LPARAM data, int count);

namespace glyphkey {

// The library's module, first place where icons are looked up; null if registration failed.
extern HINSTANCE g_library;

// control_text_win32.cpp: an ANSI text (GKM_SETTEXT, the creation text) or a UTF-16 one
// (GKM_SETTEXTW).
void ApplyControlText(HWND window, ControlRecord* record, char* text, int limit);
void ApplyControlText(HWND window, ControlRecord* record, wchar_t* text, int limit);

// window_proc.cpp: a UTF-16 window text set as WM_SETTEXT sets one, announcements included.
void SetWindowTextWide(HWND window, const wchar_t* text);

// The window text as the window system keeps it, in UTF-16, read without a message:
// GetWindowTextW would ask the control's ANSI procedure and get the text narrowed to the
// ANSI code page. Returns its length; a longer text is cut to size - 1 units.
inline int ReadCaption(HWND window, wchar_t* text, int size) {
  text[0] = 0;
  return static_cast<int>(DefWindowProcW(window, WM_GETTEXT, size, reinterpret_cast<LPARAM>(text)));
}

// paint.cpp
void PaintControl(HWND window, ControlRecord* record);
void DrawFocus(HWND window, const ControlRecord* record, HDC dc);

// paint_colours_win32.cpp
PaintColours ControlColours(const ControlRecord* record);

// dpi_sizes.cpp
// Draws icon (grayed when disabled) at cx by cy: itself at the system's icon size,
// otherwise a copy of that size that the record keeps until the icon or the size changes.
void DrawIconAtDpi(HDC dc, ControlRecord* record, HICON icon, int x, int y, int cx, int cy);
// Destroys the copies: on a new DPI and with the control.
void ForgetSizedIcons(ControlRecord* record);
// The caption's font, to be deleted after the paint; null for the device context's own:
// away from 96 dpi, and at 96 for a caption that the system font cannot draw whole.
HFONT CaptionFontAtDpi(HDC dc, int dpi, const wchar_t* caption);

// input.cpp
void OnSetFocus(HWND window, ControlRecord* record);
void OnKillFocus(HWND window, ControlRecord* record);
LRESULT OnKeyDown(HWND window, ControlRecord* record, WPARAM key);
LRESULT OnKeyUp(HWND window, ControlRecord* record, WPARAM key);
void OnLButtonDown(HWND window, ControlRecord* record);
void OnMouseMove(HWND window, ControlRecord* record, LPARAM point);
void OnLButtonUp(HWND window, ControlRecord* record, LPARAM point);
void OnClick(HWND window, ControlRecord* record);

}  // namespace glyphkey

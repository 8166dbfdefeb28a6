// Public interface of GlyphKey32.dll for hosts: the class name and the GKM_ messages.
#pragma once

#define GLYPHKEY_CLASS "GlyphKey"
#define GLYPHKEY_LIBRARY "GlyphKey32.dll"

// lParam: a writable "caption@up-icon[@down-icon]" text in the ANSI code page, cut in place.
#define GKM_SETTEXT 0x0110
// The same in UTF-16 (a writable wchar_t text, cut in place): a caption in any script, with
// the icon names as Unicode resource names. The control's procedure is an ANSI one, so a
// text given any other way (CreateWindowExW, SetWindowTextW, WM_SETTEXT) reaches it in the
// ANSI code page: a Unicode caption is given with this message. The caption then reads back
// whole with InternalGetWindowText or DefWindowProcW's WM_GETTEXT (GetWindowTextW goes
// through the ANSI procedure). Its underlined letter is found on the current keyboard
// layout in any script. A control whose parent is laid out right to left (WS_EX_LAYOUTRTL)
// shows its icon at the right edge, unmirrored, and its caption in right-to-left order.
#define GKM_SETTEXTW 0x0470
// Icon messages take the icon in wParam; the handle stays the caller's.
#define GKM_SETDOWNICON 0x0464
#define GKM_SETUPICON 0x0465
#define GKM_GETDOWNICON 0x0466
#define GKM_GETUPICON 0x0467
#define GKM_DELETEFONT 0x0468
#define GKM_GETFONT 0x0469
// Colour messages take the colour in lParam; 0xFFFFFFFF restores the system colour.
#define GKM_SETBKCOLOR 0x046A
#define GKM_SETTEXTCOLOR 0x046B
#define GKM_SYSTEMCOLOR 0xFFFFFFFFu
// lParam: a text that screen readers read as the control's description (a line of help);
// the control keeps a copy. Null removes it.
#define GKM_SETDESCRIPTION 0x046C
// The same in UTF-16.
#define GKM_SETDESCRIPTIONW 0x0471

// The DPI of a window and the system figures for it. Windows 10's per-monitor functions
// are looked up when first needed: imported, they would stop both deliverables from
// starting on Windows 7 and 8.1. Without them every window has the system's DPI.
// The same file is built into autorun.exe and GlyphKey32.dll.
#pragma once
#include <windows.h>

#include "dpi_scale.h"

// The programs are built for older Windows, whose headers do not name these messages.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace dpi {

// The DPI the system draws at: the screen's logical pixels per inch.
int SystemDpi();
// The DPI of the monitor the window is on (Windows 10 1607 and later), else the system's.
int WindowDpi(HWND window);
// GetSystemMetrics at a DPI; before Windows 10 the system's figure scaled from its DPI.
int MetricForDpi(int index, int dpi);
// The window rectangle that holds this client rectangle at a DPI.
void AdjustRectForDpi(RECT* rect, DWORD style, DWORD exStyle, int dpi);

// A new icon of size by size pixels, the icon given shrunk to it with every pixel an average
// of the area it covers (the same as LoadIconWithScaleDown does); null if it cannot be made.
// The caller destroys it.
HICON ShrinkIcon(HICON from, int size);
// Icon id of module at size by size pixels, never stretched up: the group's own image of
// that size, else its next larger one shrunk (SourceImageSize). The caller destroys it.
HICON LoadIconAtSize(HMODULE module, int id, int size);

}  // namespace dpi

// LauncherDpi: the launcher window at the DPI of its monitor. It measures the template
// at the DPI the dialog manager made it at and answers its frame and Quit button at any
// other; it keeps the window's icons at a DPI's sizes; and it says whether Windows leaves
// the layout at a new DPI to the launcher.
#pragma once
#include <windows.h>

#include "window/button_layout.h"

class LauncherDpi {
 public:
  LauncherDpi();

  // At WM_INITDIALOG, before the window first moves: the DPI it was made at, its icons
  // for that DPI, its template size and the Quit button's rectangle.
  void MeasureTemplate(HWND window, HWND quitButton);
  // The template's window at a DPI: as created at the DPI it was created at, scaled and
  // framed for another.
  layout::Frame FrameAt(HWND window, int dpi) const;
  // The Quit button's template size at a DPI.
  SIZE QuitSizeAt(int dpi) const;
  // The Quit button's template place at a DPI, in client coordinates: each figure of the
  // button is scaled on its own, as the dialog manager maps them.
  POINT QuitOriginAt(int dpi) const;
  // The caption bar's, task bar's and Alt-Tab's icons at the sizes for a DPI.
  void SetWindowIcons(HWND window, int dpi);
  // The big icon the window shows now (for dragging and the iconic window).
  HICON BigIcon() const { return bigIcon_ ? bigIcon_ : windowIcon_; }
  // When the window goes: the icons loaded at a DPI's sizes are destroyed.
  void DestroyIcons();
  // Whether WM_DPICHANGED is for the launcher to answer: Windows scales a window that is
  // not per-monitor aware itself, and a layout made again would scale twice.
  static bool IsPerMonitorAware(HWND window);

 private:
  int templateDpi_ = dpi::kBaseDpi;  // the DPI of the monitor the window was created on
  RECT initialClientRect_ = {};
  RECT initialWindowRect_ = {};
  RECT quitTemplateRect_ = {};  // the Quit button at that DPI, in client coordinates
  HICON windowIcon_;            // the shared icon at the system's size
  HICON smallIcon_ = nullptr;   // loaded at the small-icon size, destroyed with the window
  HICON bigIcon_ = nullptr;     // at a DPI not the system's, loaded at its size and destroyed
};

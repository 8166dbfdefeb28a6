// ButtonPlacement: a menu's buttons placed in the launcher window, the window sized to
// hold them and put in place, the Quit button at the bottom; and all of it again when the
// window moves to a monitor of another DPI.
#pragma once
#include <windows.h>

#include "framework/window.h"
#include "window/button_layout.h"
#include "window/button_tips.h"
#include "window/launcher_dpi.h"
#include "window/picture_icons.h"

class ButtonPlacement {
 public:
  // The buttons of window (the launcher window) and its quitButton, at the sizes that
  // dpi gives; their tips and pictures follow a new DPI. All outlive the placement.
  ButtonPlacement(framework::Window& window, framework::Window& quitButton, const LauncherDpi& dpi,
                  ButtonTips& tips, PictureIcons& pictures)
      : window_(window), quitButton_(quitButton), dpi_(dpi), tips_(tips), pictures_(pictures) {}

  // A menu's column just built, laid out centred in the work area of the screen that
  // holds the window and, should that move the window onto a monitor of another DPI,
  // once more at that DPI.
  void LayOut(const layout::ButtonColumn& built);
  // The window's size at a DPI, as WM_GETDPISCALEDSIZE asks before a move.
  SIZE SizeAtDpi(int dpi) const;
  // WM_DPICHANGED: the window laid out again at the new DPI, in the suggested place.
  void FollowDpi(int dpi, const RECT& suggested);

 private:
  // Puts the column's buttons, sizes the window to hold them, places it at origin (or,
  // without one, centred in the work area) and the Quit button at the bottom.
  void Place(const RECT& work, const POINT* origin, bool resizeButtons);

  framework::Window& window_;
  framework::Window& quitButton_;
  const LauncherDpi& dpi_;
  ButtonTips& tips_;
  PictureIcons& pictures_;
  // The buttons of the last menu laid out, for a new DPI; of DPI 0 before the first.
  layout::ButtonColumn column_{0, 0};
  bool placing_ = false;  // the window is being moved by Place
};

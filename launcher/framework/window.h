// The framework's window: a window handle with the few operations that the
// launcher shares between its windows and controls.
#pragma once
#include <windows.h>

#include "centre_geometry.h"

namespace framework {

class Window {
 public:
  Window() {}
  virtual ~Window() {}

  HWND handle() const { return handle_; }
  // Binds the object to an existing window, such as a control of a dialog.
  void Attach(HWND window) { handle_ = window; }

  // Centres the window over its owner when that is visible and not minimised,
  // otherwise in the work area of its screen; it is kept inside the work area of
  // the screen that holds the reference. Only the position changes.
  void CentreWindow();
  // Centres the window in the work area given, and keeps it inside; only the position
  // changes.
  void CentreIn(const RECT& work);
  // The work area of the screen that holds the window, where CentreWindow keeps a
  // window without an owner.
  RECT WorkArea() const;

 protected:
  HWND handle_ = nullptr;

 private:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
};

// A window system rectangle as the centring arithmetic takes it.
inline geometry::Rect ToRect(const RECT& r) { return geometry::Rect{r.left, r.top, r.right, r.bottom}; }

// The work area of the screen nearest to the rectangle.
RECT WorkAreaNear(const RECT& area);

}  // namespace framework

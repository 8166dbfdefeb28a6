// Window operations of the framework: centring over the owner or the work area.
#include "window.h"

#include "centre_geometry.h"

namespace framework {
namespace {

geometry::Rect ToRect(const RECT& r) { return geometry::Rect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

RECT WorkAreaNear(const RECT& area) {
  RECT work = area;
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  HMONITOR monitor = MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST);
  if (monitor && GetMonitorInfoA(monitor, &info)) {
    work = info.rcWork;
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  }
  return work;
}

void Window::CentreWindow() {
  if (!handle_) return;
  RECT window;
  GetWindowRect(handle_, &window);
  RECT reference;
  HWND owner = GetWindow(handle_, GW_OWNER);
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
    GetWindowRect(owner, &reference);
  } else {
    reference = WorkAreaNear(window);
  }
  RECT bounds = WorkAreaNear(reference);
  long x, y;
  geometry::CentredOrigin(ToRect(reference), ToRect(bounds), window.right - window.left,
                          window.bottom - window.top, &x, &y);
  SetWindowPos(handle_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Window::WorkArea() const {
  RECT window = {};
  if (handle_) GetWindowRect(handle_, &window);
  return WorkAreaNear(window);
}

}  // namespace framework

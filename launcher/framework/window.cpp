// Window operations of the framework: centring over the owner or the work area.
#include "window.h"

namespace framework {
namespace {

// Centres window over reference, kept inside bounds; only the position changes.
void CentreOver(HWND window, const RECT& reference, const RECT& bounds) {
  RECT r;
  GetWindowRect(window, &r);
  long x, y;
  geometry::CentredOrigin(ToRect(reference), ToRect(bounds), r.right - r.left, r.bottom - r.top, &x, &y);
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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
  CentreOver(handle_, reference, WorkAreaNear(reference));
}

void Window::CentreIn(const RECT& work) {
  if (handle_) CentreOver(handle_, work, work);
}

RECT Window::WorkArea() const {
  RECT window = {};
  if (handle_) GetWindowRect(handle_, &window);
  return WorkAreaNear(window);
}

}  // namespace framework

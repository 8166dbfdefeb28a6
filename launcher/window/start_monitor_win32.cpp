// The monitors, the monitor Windows hands a started program and the mouse pointer,
// gathered for the choice of the monitor the launcher window opens on.
#include "window/start_monitor_win32.h"

#include "window/start_monitor.h"

namespace {

const int kMaxMonitors = 16;

struct Monitors {
  HMONITOR handles[kMaxMonitors];
  geometry::Rect areas[kMaxMonitors];
  int count;
};

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT area, LPARAM data) {
  Monitors& monitors = *(Monitors*)data;
  if (monitors.count == kMaxMonitors) return FALSE;
  monitors.handles[monitors.count] = monitor;
  monitors.areas[monitors.count++] = geometry::Rect{area->left, area->top, area->right, area->bottom};
  return TRUE;
}

// Windows 8 and later put the monitor of the task bar or jump list a program was started
// from into its start-up information's hStdOutput, where no standard handles are given.
// The value counts only when it is one of the monitors: anything else there is a handle
// of another kind, or nothing.
int NamedMonitor(const Monitors& monitors) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  if (startup.dwFlags & STARTF_USESTDHANDLES) return -1;
  for (int i = 0; i < monitors.count; i++) {
    if (monitors.handles[i] == (HMONITOR)startup.hStdOutput) return i;
  }
  return -1;
}

}  // namespace

RECT StartWorkArea() {
  Monitors monitors = {};
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, (LPARAM)&monitors);
  POINT pointer = {};
  GetCursorPos(&pointer);
  int chosen = geometry::ChooseStartMonitor(monitors.areas, monitors.count, NamedMonitor(monitors),
                                            geometry::Point{pointer.x, pointer.y});
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (chosen >= 0 && GetMonitorInfoA(monitors.handles[chosen], &info)) return info.rcWork;
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

// The monitor the launcher window opens on: the one Windows names as the place the
// program was started from, else the one under the mouse pointer. Pure arithmetic.
#pragma once
#include "framework/centre_geometry.h"

namespace geometry {

struct Point {
  long x, y;
};

// The index in monitors (their whole rectangles, as the system lists them) of the one
// to open on: named when it is an index of the list (the system told the program its
// monitor), else the one that holds the pointer, else the one nearest to it, as
// MonitorFromPoint with MONITOR_DEFAULTTONEAREST finds it (the first of equals). -1
// without monitors.
int ChooseStartMonitor(const Rect* monitors, int count, int named, Point pointer);

}  // namespace geometry

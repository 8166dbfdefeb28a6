// The choice of the monitor the launcher window opens on.
#include "window/start_monitor.h"

namespace geometry {

namespace {

// How far a point lies outside a rectangle along one axis (0 inside); a rectangle holds
// its left and top edges, not its right and bottom ones.
long long Outside(long value, long low, long high) {
  if (value < low) return (long long)low - value;
  if (value >= high) return (long long)value - high + 1;
  return 0;
}

}  // namespace

int ChooseStartMonitor(const Rect* monitors, int count, int named, Point pointer) {
  if (named >= 0 && named < count) return named;
  int nearest = -1;
  long long best = 0;
  for (int i = 0; i < count; i++) {
    long long dx = Outside(pointer.x, monitors[i].left, monitors[i].right);
    long long dy = Outside(pointer.y, monitors[i].top, monitors[i].bottom);
    long long distance = dx * dx + dy * dy;
    if (nearest < 0 || distance < best) nearest = i, best = distance;
  }
  return nearest;
}

}  // namespace geometry

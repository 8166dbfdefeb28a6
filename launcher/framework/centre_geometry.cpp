// Centring arithmetic of the framework's windows.
#include "centre_geometry.h"

namespace geometry {
namespace {

long CentredEdge(long low, long high, long size, long boundLow, long boundHigh) {
  long edge = (low + high) / 2 - size / 2;
  if (edge < boundLow) return boundLow;
  if (edge + size > boundHigh) return boundHigh - size;
  return edge;
}

}  // namespace

void CentredOrigin(const Rect& reference, const Rect& bounds, long width, long height, long* x, long* y) {
  *x = CentredEdge(reference.left, reference.right, width, bounds.left, bounds.right);
  *y = CentredEdge(reference.top, reference.bottom, height, bounds.top, bounds.bottom);
}

}  // namespace geometry

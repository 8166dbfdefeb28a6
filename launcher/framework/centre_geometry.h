// Where a window goes when it is centred: over a reference rectangle, kept inside
// bounds. Pure arithmetic, shared by the framework and its host tests.
#pragma once

namespace geometry {

struct Rect {
  long left, top, right, bottom;
};

// The left and top edges of a window of the given size centred on the reference
// (each half rounded toward zero). An edge that would fall left of (above) the
// bounds moves onto them; otherwise one that would stick out on the right (below)
// moves back so that the window ends on the bounds' edge.
void CentredOrigin(const Rect& reference, const Rect& bounds, long width, long height, long* x, long* y);

}  // namespace geometry

// Paint geometry of a GlyphKey control: pure arithmetic on size, state and style.
#include "paint_geometry.h"

namespace glyphkey {
namespace {
constexpr int kLeftIconMargin = 6;   // icon distance from the left edge in the left layout
constexpr int kCaptionMargin = 2;    // caption rectangle inset left and right
constexpr int kCaptionBottomGap = 6; // caption baseline area above the bottom edge under an icon
}  // namespace

int FrameInset(unsigned state) { return (state & kStateDefault) ? 1 : 0; }

Look LookOf(unsigned state) {
  unsigned look = state & kLookMask;
  if (look & kStatePressed) return Look::kPressed;
  if (look == kStateOn) return Look::kOn;
  return Look::kRaised;
}

int ContentOffset(Look look) {
  switch (look) {
    case Look::kOn: return 1;
    case Look::kPressed: return 2;
    default: return 0;
  }
}

bool UsesDownIcon(Look look) { return look != Look::kRaised; }

Rect FrameRect(int w, int h, int d) { return Rect{d, d, w, h}; }

EdgePlan EdgesOf(Look look, int w, int h, int d) {
  EdgePlan plan{};
  switch (look) {
    case Look::kRaised:
      plan.count = 3;
      plan.paths[0] = {true, 2, EdgeColour::kShadow,
                       {{w - d - 2, d + 2}, {w - d - 2, h - d - 2}, {d + 2, h - d - 2}}};
      plan.paths[1] = {true, 1, EdgeColour::kHighlight,
                       {{d + 1, h - d - 2}, {d + 1, d + 1}, {w - d - 1, d + 1}}};
      plan.paths[2] = {false, 1, EdgeColour::kHighlight,
                       {{d + 2, h - d - 3}, {d + 2, d + 2}, {w - d - 2, d + 2}}};
      break;
    case Look::kOn:
      plan.count = 1;
      plan.paths[0] = {true, 1, EdgeColour::kShadow,
                       {{d + 1, h - d - 2}, {d + 1, d + 1}, {w - d - 2, d + 1}}};
      break;
    case Look::kPressed:
      plan.count = 1;
      plan.paths[0] = {true, 2, EdgeColour::kShadow,
                       {{d + 2, h - d - 2}, {d + 2, d + 2}, {w - d - 2, d + 2}}};
      break;
  }
  return plan;
}

Point IconPosition(bool leftLayout, int o, int w, int h, int cx, int cy, int t, int dpi) {
  // C++ division truncates toward zero, which is what the halves need.
  if (leftLayout) return Point{o + dpi::Scale(kLeftIconMargin, dpi), o + (h - cy) / 2};
  return Point{o + (w - cx) / 2, o + (h - t - cy) / 2};
}

CaptionPlan CaptionWithIcon(bool leftLayout, int o, int w, int h, int dpi) {
  const int margin = dpi::Scale(kCaptionMargin, dpi);
  if (leftLayout) return CaptionPlan{Rect{o + margin, 0, w - margin, h + o}, kLeftCaptionFlags};
  return CaptionPlan{Rect{o + margin, 0, w - margin, h + o - dpi::Scale(kCaptionBottomGap, dpi)},
                     kBelowIconCaptionFlags};
}

Rect CaptionMeasureRect(int o, int w, int h) {
  return Rect{o + kCaptionMargin, 0, w - kCaptionMargin, h + o};
}

Rect CentreWrappedCaption(Rect measured, int o, int w, int h) {
  // Measuring may widen the rectangle for a word that does not fit; the drawing keeps the
  // original sides and relies on no clipping instead.
  Rect r = measured;
  r.left = o + kCaptionMargin;
  r.right = w - kCaptionMargin;
  r.top = (h + o - measured.bottom) / 2;
  return r;
}

Rect FocusRect(unsigned state, int w, int h) {
  unsigned s = state & ~kStateDefault;
  if (s == kStateOn) return Rect{6, 6, w - 4, h - 4};
  if (s == kStatePressed || s == (kStatePressed | kStateOn)) return Rect{7, 7, w - 3, h - 3};
  return Rect{5, 5, w - 5, h - 5};
}

}  // namespace glyphkey

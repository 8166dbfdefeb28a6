// Where a GlyphKey control draws its frame, edges, icon, caption and focus rectangle.
#pragma once
#include "dpi_scale.h"

namespace glyphkey {

// State flags of the control record.
constexpr unsigned kStateOn = 0x001;
constexpr unsigned kStatePressed = 0x080;
constexpr unsigned kStateDefault = 0x100;
constexpr unsigned kStateDisabled = 0x200;
constexpr unsigned kLookMask = 0xFF;
// Window style bit that puts the icon at the left edge.
constexpr unsigned kStyleLeft = 0x100;

// DrawText flags, spelled out so that this file needs no window-system header.
constexpr unsigned kDrawCenter = 0x001, kDrawVCenter = 0x004, kDrawBottom = 0x008,
                   kDrawWordBreak = 0x010, kDrawSingleLine = 0x020, kDrawNoClip = 0x100,
                   kDrawCalcRect = 0x400;
constexpr unsigned kLeftCaptionFlags =
    kDrawCenter | kDrawVCenter | kDrawWordBreak | kDrawSingleLine | kDrawNoClip;  // 0x135
constexpr unsigned kBelowIconCaptionFlags =
    kDrawCenter | kDrawBottom | kDrawWordBreak | kDrawSingleLine | kDrawNoClip;  // 0x139
constexpr unsigned kMeasureFlags = kDrawCalcRect | kDrawCenter | kDrawWordBreak | kDrawNoClip;  // 0x511
constexpr unsigned kWrappedCaptionFlags = kDrawCenter | kDrawWordBreak | kDrawNoClip;           // 0x111

struct Point { int x, y; };
struct Rect { int left, top, right, bottom; };

enum class Look { kRaised, kOn, kPressed };
enum class EdgeColour { kShadow, kHighlight };

// One polyline of the 3-D edge; newPen says whether it needs a pen of its own
// (the second highlight line shares the pen of the first).
struct EdgePath {
  bool newPen;
  int penWidth;
  EdgeColour colour;
  Point points[3];
};

struct EdgePlan {
  int count;
  EdgePath paths[3];
};

// d: 1 for a default push button, whose frame is drawn one pixel in and one pixel thicker.
int FrameInset(unsigned state);
Look LookOf(unsigned state);
// o: how far icon, caption and focus rectangle move right and down in a look.
int ContentOffset(Look look);
bool UsesDownIcon(Look look);
// The frame rectangle, drawn with a pen of width d + 1.
Rect FrameRect(int w, int h, int d);
EdgePlan EdgesOf(Look look, int w, int h, int d);
// Truncating halves (also for negative differences) put an oversized icon above/left of the client.
// The icon's margin at the left edge is scaled to the window's DPI.
Point IconPosition(bool leftLayout, int o, int w, int h, int cx, int cy, int t, int dpi = dpi::kBaseDpi);

// The caption beside or below an icon: its rectangle and DrawText flags.
struct CaptionPlan {
  Rect rect;
  unsigned flags;
};
// Its margins are scaled to the window's DPI.
CaptionPlan CaptionWithIcon(bool leftLayout, int o, int w, int h, int dpi = dpi::kBaseDpi);
// A caption without icons is measured first (kMeasureFlags on MeasureRect), then centred.
Rect CaptionMeasureRect(int o, int w, int h);
Rect CentreWrappedCaption(Rect measured, int o, int w, int h);

// The caption's font away from 96 dpi, where the system font (a bitmap face made for one
// DPI) would not grow. Its capitals are 11 pixels high at 96 dpi; a scalable face's are
// about 0.72 of its em (Tahoma 0.73, Segoe UI 0.70), so the face's em is 15 pixels at 96
// dpi, scaled. A negative LOGFONT height: the em, not the cell.
constexpr int kCaptionEmAt96 = 15;
inline int CaptionFontHeight(int dpi) {
  return -dpi::Scale(kCaptionEmAt96, dpi);
}

// The focus rectangle follows the look's offset but not the frame inset.
Rect FocusRect(unsigned state, int w, int h);

}  // namespace glyphkey

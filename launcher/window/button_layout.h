// Where the launcher window's parts go: the menu buttons in one column or, when
// that would not fit the screen, in several; the Quit button at the bottom; the
// icon of the minimised window. Pure arithmetic. Every pixel figure here is written for
// a 96-dpi screen and scaled to the window's DPI; at 96 dpi it is itself.
#pragma once
#include "dpi_scale.h"
#include "res/resource_ids.h"

namespace layout {

const int kColumnTop = 4;      // y of the first button
const int kButtonX = 7;        // margin left and right of the buttons
const int kButtonExtra = 6;    // a button is the icon height + 6 high
const int kButtonStep = 8;     // and the next one starts icon height + 8 lower
const int kButtonGap = kButtonStep - kButtonExtra;  // the 2 pixels between two buttons
const int kQuitBottomGap = 2;  // pixels between the Quit button and the lower edge

const int kMaxButtons = MENU_MAX_ENTRIES;  // one per entry of a menu
// Gaps move the vertical position no further down than this, far below any screen, so
// that no run of gaps, however long and large, overflows a sum.
const int kFarthest = 1 << 20;

// The vertical position that entries and gaps advance, in either builder mode, and
// the single column of buttons that it gives. A gap never takes the next button
// above the bottom of the one before it (above the client area's top before the
// first): buttons may touch, never overlap. The icon height is the system's at the
// column's DPI; margins, the space between buttons and the gaps, which authors write as
// at 96 dpi, are scaled to it.
class ButtonColumn {
 public:
  explicit ButtonColumn(int iconHeight, int dpi = dpi::kBaseDpi)
      : iconHeight_(iconHeight), dpi_(dpi), y_(columnTop()) {}
  // The top of the next button in the single column; the position moves past it.
  int NextButtonTop();
  // A QXspace gap, in pixels at 96 dpi.
  void Gap(int pixels);
  int iconHeight() const { return iconHeight_; }
  int buttonHeight() const { return iconHeight_ + dpi::Scale(kButtonExtra, dpi_); }
  int step() const { return buttonHeight() + dpi::Scale(kButtonGap, dpi_); }
  int columnTop() const { return dpi::Scale(kColumnTop, dpi_); }
  int margin() const { return dpi::Scale(kButtonX, dpi_); }
  int dpi() const { return dpi_; }
  int y() const { return y_; }
  int count() const { return count_; }
  int top(int i) const { return top_[i]; }
  // The same buttons at another DPI, after a move to another monitor: each gap as it
  // was laid out, scaled from this column's DPI, so that a column scaled there and back
  // again stands where it stood.
  ButtonColumn AtDpi(int iconHeight, int dpi) const;

 private:
  void Move(int pixels);  // the vertical position, in pixels at the column's DPI

  int iconHeight_;
  int dpi_;
  int y_;
  int floor_ = 0;  // the bottom of the last button: no gap goes above it
  int count_ = 0;
  int top_[kMaxButtons] = {};
};

// The launcher window at its template size, in pixels.
struct Frame {
  int windowWidth, windowHeight;
  int clientWidth;
};

// The buttons' places in the client area and the window's size that hold them.
struct Arrangement {
  int columns;
  int windowWidth, windowHeight;
  int left[kMaxButtons], top[kMaxButtons];
};

// The column's buttons arranged for a work area of this size. Where the single column
// makes a window no taller than the work area, it stays exactly as built. Otherwise
// the buttons flow down a column until the next would make the window too tall, then
// on at the top of the next column to the right; every column is as wide as the
// template's client area; where the work area has no room for even one button, the
// single column stays as built. Gaps stay inside their column: the gaps before a button that
// starts a column are dropped, and so are gaps after the last button that do not fit.
// When those columns are wider than the work area and the entries without any gaps
// need fewer columns, the gaps are dropped altogether.
Arrangement Arrange(const ButtonColumn& column, const Frame& frame, int workWidth, int workHeight);

// Width of the buttons for a client area of this width.
inline int ButtonWidth(int clientWidth, int dpi = dpi::kBaseDpi) {
  return clientWidth - 2 * dpi::Scale(kButtonX, dpi);
}

// The Quit button centred at the bottom of the client area, 2 pixels above its edge.
void QuitButtonOrigin(int clientWidth, int clientBottom, int width, int height, int* x, int* y,
                      int dpi = dpi::kBaseDpi);

// The minimised window's icon centred in its client area.
void IconicIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight, int* x, int* y);

}  // namespace layout

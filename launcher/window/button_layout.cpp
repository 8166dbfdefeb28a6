// Placement arithmetic of the launcher window.
#include "window/button_layout.h"

namespace layout {

int ButtonColumn::NextButtonTop() {
  // The reader stops after the thirtieth entry; the column holds no more.
  int top = y_;
  if (count_ == kMaxButtons) return top;
  top_[count_++] = top;
  y_ = top + step();
  floor_ = top + buttonHeight();
  return top;
}

void ButtonColumn::Gap(int pixels) {
  // Beyond kFarthest either way a gap ends where it would end unscaled: at the far
  // limit, or on the button above. So no scaled figure overflows.
  if (pixels > kFarthest) pixels = kFarthest;
  if (pixels < -kFarthest) pixels = -kFarthest;
  Move(dpi::Scale(pixels, dpi_));
}

void ButtonColumn::Move(int pixels) {
  if (pixels >= 0) {
    if (y_ < kFarthest) y_ = pixels >= kFarthest - y_ ? kFarthest : y_ + pixels;
  } else {
    // y_ never lies above floor_, so floor_ - y_ is a small number of no sign trouble.
    y_ = pixels < floor_ - y_ ? floor_ : y_ + pixels;
  }
}

namespace {

// Where the single column's gaps before button i begin: below the button before it.
int EndBefore(const ButtonColumn& column, int i) {
  return i > 0 ? column.top(i - 1) + column.step() : column.columnTop();
}

}  // namespace

ButtonColumn ButtonColumn::AtDpi(int iconHeight, int dpi) const {
  ButtonColumn scaled(iconHeight, dpi);
  for (int i = 0; i < count_; i++) {
    scaled.Move(dpi::Rescale(top_[i] - EndBefore(*this, i), dpi_, dpi));
    scaled.NextButtonTop();
  }
  scaled.Move(dpi::Rescale(y_ - EndBefore(*this, count_), dpi_, dpi));
  return scaled;
}

namespace {

// The buttons flowing down columns of at most room pixels (the window grows by the
// tallest), with the single column's gaps or without any. No position of the column lies
// further down than kFarthest and some 30 buttons, so int sums cannot overflow.
void Flow(const ButtonColumn& column, int room, bool keepGaps, const Frame& frame, Arrangement* a) {
  const int count = column.count();
  int columns = 1;
  int end = column.columnTop();  // where the current column's last button ends
  int tallest = 0;       // the tallest column before the current one
  for (int i = 0; i < count; i++) {
    int top = end + (keepGaps ? column.top(i) - EndBefore(column, i) : 0);
    if (top + column.step() > room) {
      if (i > 0) {
        columns++;
        if (end > tallest) tallest = end;
      }
      top = column.columnTop();  // the gaps before it stay behind
    }
    a->left[i] = column.margin() + (columns - 1) * frame.clientWidth;
    a->top[i] = top;
    end = top + column.step();
  }
  // Gaps after the last button count where they fit.
  int last = end + (keepGaps ? column.y() - EndBefore(column, count) : 0);
  if (last > room) last = end;
  if (last > tallest) tallest = last;
  a->columns = columns;
  a->windowWidth = frame.windowWidth + (columns - 1) * frame.clientWidth;
  a->windowHeight = frame.windowHeight + tallest;
}

}  // namespace

Arrangement Arrange(const ButtonColumn& column, const Frame& frame, int workWidth, int workHeight) {
  // Where the single column fits, no button moves: without a limit the flow keeps it.
  // So too where not even one button fits: a column each would only make the window
  // wider than any screen as well.
  long long room = static_cast<long long>(workHeight) - frame.windowHeight;
  if (column.y() <= room || room > 2 * kFarthest || room < kColumnTop + column.step()) room = 2 * kFarthest;
  Arrangement a = {};
  Flow(column, static_cast<int>(room), true, frame, &a);
  if (a.windowWidth > workWidth) {
    Arrangement gapless = {};
    Flow(column, static_cast<int>(room), false, frame, &gapless);
    if (gapless.columns < a.columns) a = gapless;
  }
  return a;
}

void QuitButtonOrigin(int clientWidth, int clientBottom, int width, int height, int* x, int* y, int dpi) {
  *x = (clientWidth - width) / 2;
  *y = clientBottom - height - dpi::Scale(kQuitBottomGap, dpi);
}

void IconicIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight, int* x, int* y) {
  *x = (clientWidth - iconWidth + 1) / 2;
  *y = (clientHeight - iconHeight + 1) / 2;
}

}  // namespace layout

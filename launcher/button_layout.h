// Where the launcher window's parts go: the column of menu buttons, the Quit
// button at the bottom, the icon of the minimised window. Pure arithmetic.
#pragma once

namespace layout {

const int kColumnTop = 4;      // y of the first button
const int kButtonX = 7;        // margin left and right of the buttons
const int kButtonExtra = 6;    // a button is the icon height + 6 high
const int kButtonStep = 8;     // and the next one starts icon height + 8 lower
const int kQuitBottomGap = 2;  // pixels between the Quit button and the lower edge

// The vertical position that entries and gaps advance, in either builder mode.
class ButtonColumn {
 public:
  explicit ButtonColumn(int iconHeight) : iconHeight_(iconHeight) {}
  // The top of the next button; the position moves past it.
  int NextButtonTop() {
    int top = y_;
    y_ += iconHeight_ + kButtonStep;
    return top;
  }
  void Gap(int pixels) { y_ += pixels; }
  int buttonHeight() const { return iconHeight_ + kButtonExtra; }
  int y() const { return y_; }

 private:
  int iconHeight_;
  int y_ = kColumnTop;
};

// Width of the buttons for a client area of this width.
inline int ButtonWidth(int clientWidth) { return clientWidth - 2 * kButtonX; }

// The Quit button centred at the bottom of the client area, 2 pixels above its edge.
void QuitButtonOrigin(int clientWidth, int clientBottom, int width, int height, int* x, int* y);

// The minimised window's icon centred in its client area.
void IconicIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight, int* x, int* y);

}  // namespace layout

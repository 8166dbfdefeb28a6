// Placement arithmetic of the launcher window.
#include "button_layout.h"

namespace layout {

void QuitButtonOrigin(int clientWidth, int clientBottom, int width, int height, int* x, int* y) {
  *x = (clientWidth - width) / 2;
  *y = clientBottom - height - kQuitBottomGap;
}

void IconicIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight, int* x, int* y) {
  *x = (clientWidth - iconWidth + 1) / 2;
  *y = (clientHeight - iconHeight + 1) / 2;
}

}  // namespace layout

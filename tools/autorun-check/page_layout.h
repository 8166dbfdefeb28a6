// The size of a page's window on a common laptop screen, and the columns its
// buttons flow into there, from the launcher's own layout arithmetic.
#pragma once

#include "disc_check.h"

namespace check {

// The screen the sizes are for, as the report's footnote says it: 1366 x 768 less a
// 40-pixel task bar, 32-pixel icons, the window's template as Wine 8 draws it at 96 DPI
// (a Windows 10 frame differs by a few pixels).
extern const char kLayoutScreen[];

struct PageLayout {
  int width = 0, height = 0;  // of the window, frame included
  int columns = 0;
};

PageLayout LayOutPage(const MenuView& menu);

}  // namespace check

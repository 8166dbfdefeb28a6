// The size of a page's window on a common laptop screen, and the columns its
// buttons flow into there, from the launcher's own layout arithmetic.
#pragma once
#include <string>

#include "disc_report.h"

namespace check {

// The screen the sizes are for, as the report's footnote says it: 1366 x 768 less a
// 40-pixel task bar, 32-pixel icons, the window's template as Wine 8 draws it at 96 DPI
// (a Windows 10 frame differs by a few pixels). At another DPI the same screen scaled,
// so that a page keeps its columns: at 144 dpi (150 %) 2049 x 1152, 48-pixel icons.
// dpi: the DPI of that screen, 96 unless the author asks for another (--dpi).
std::string LayoutScreen(int dpi);

struct PageLayout {
  int width = 0, height = 0;  // of the window, frame included
  int columns = 0;
};

PageLayout LayOutPage(const MenuView& menu, int dpi);

}  // namespace check

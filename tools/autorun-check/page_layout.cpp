// A page laid out as the launcher lays it out, on an assumed screen.
#include "page_layout.h"

#include <stdio.h>

#include "window/button_layout.h"
#include "window/template_frame.h"

namespace check {

namespace {
const int kWorkWidth = 1366, kWorkHeight = 728;  // 768 less the task bar
const int kScreenHeight = 768;
const int kIconHeight = 32;
const layout::Frame kTemplateWindow = layout::kWineTemplateFrame;
}  // namespace

std::string LayoutScreen(int dpi) {
  auto AtDpi = [dpi](int px) { return dpi::Scale(px, dpi); };
  if (dpi == dpi::kBaseDpi)
    return "Window sizes are for a 1366 x 768 screen with a 728-pixel-high work area, 32-pixel\n"
           "icons, and the window's template at 327 x 48 pixels as Wine draws it.\n";
  char screen[256];
  snprintf(screen, sizeof screen,
           "Window sizes are for a %d x %d screen at %d dpi (%d %%) with a %d-pixel-high work area,\n"
           "%d-pixel icons, and the window's template at %d x %d pixels.\n",
           AtDpi(kWorkWidth), AtDpi(kScreenHeight), dpi, AtDpi(100), AtDpi(kWorkHeight), AtDpi(kIconHeight),
           AtDpi(kTemplateWindow.windowWidth), AtDpi(kTemplateWindow.windowHeight));
  return screen;
}

PageLayout LayOutPage(const MenuView& menu, int dpi) {
  auto AtDpi = [dpi](int px) { return dpi::Scale(px, dpi); };
  // The template, its frame and the icons scale with the DPI as the launcher's window
  // does on Windows 10; its own figures scale inside the column.
  layout::ButtonColumn column(AtDpi(kIconHeight), dpi);
  const layout::Frame frame = {AtDpi(kTemplateWindow.windowWidth), AtDpi(kTemplateWindow.windowHeight),
                               AtDpi(kTemplateWindow.clientWidth)};
  for (const MenuItem& item : menu.items) {
    if (item.type == MenuItem::kEntry) column.NextButtonTop();
    if (item.type == MenuItem::kGap) column.Gap(item.gap);
  }
  layout::Arrangement a = layout::Arrange(column, frame, AtDpi(kWorkWidth), AtDpi(kWorkHeight));
  PageLayout page;
  page.width = a.windowWidth;
  page.height = a.windowHeight;
  page.columns = a.columns;
  return page;
}

}  // namespace check

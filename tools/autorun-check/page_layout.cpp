// A page laid out as the launcher lays it out, on an assumed screen.
#include "page_layout.h"

#include "button_layout.h"
#include "template_frame.h"

namespace check {

namespace {
const int kWorkWidth = 1366, kWorkHeight = 728;  // 768 less the task bar
const int kIconHeight = 32;
const layout::Frame kTemplateWindow = layout::kWineTemplateFrame;
}  // namespace

const char kLayoutScreen[] =
    "Window sizes are for a 1366 x 768 screen with a 728-pixel-high work area, 32-pixel\n"
    "icons, and the window's template at 327 x 48 pixels as Wine draws it.\n";

PageLayout LayOutPage(const MenuView& menu) {
  layout::ButtonColumn column(kIconHeight);
  for (const MenuItem& item : menu.items) {
    if (item.type == MenuItem::kEntry) column.NextButtonTop();
    if (item.type == MenuItem::kGap) column.Gap(item.gap);
  }
  layout::Arrangement a = layout::Arrange(column, kTemplateWindow, kWorkWidth, kWorkHeight);
  PageLayout page;
  page.width = a.windowWidth;
  page.height = a.windowHeight;
  page.columns = a.columns;
  return page;
}

}  // namespace check

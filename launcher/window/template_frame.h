// The launcher window's template in pixels as Wine 8 draws it at 96 DPI: the frame that
// the disc checker lays pages out in, and that the host tests of the layout use. The
// launcher itself measures its window; the window test checks these numbers against a
// dialog made from the same template.
#pragma once
#include "window/button_layout.h"

namespace layout {

// Dialog 103: 214 x 15 dialog units in 8-point MS Sans Serif, style 0x90CA00C0.
const Frame kWineTemplateFrame = {327, 48, 321};

}  // namespace layout

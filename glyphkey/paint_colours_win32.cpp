// The colours of one paint, read from the system and the control record.
#include "glyphkey_internal.h"
#include "paint_colours.h"

namespace glyphkey {
static_assert(kSystemColour == kHostColourUnset, "one value for a colour the host left unset");

namespace {
bool ContrastThemeOn() {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}
}  // namespace

// Windows 10 and 11 no longer promise the 3-D colours (GetSysColor calls COLOR_BTNSHADOW
// and COLOR_BTNHIGHLIGHT unsupported there), and Wine cannot switch a contrast theme on:
// the contrast look is taken when the system says a theme is on or when the edges or the
// outline would not show. Read at every paint, so a theme switched on or off shows at the next one.
PaintColours ControlColours(const ControlRecord* record) {
  SystemColours system = {GetSysColor(COLOR_BTNFACE),   GetSysColor(COLOR_BTNTEXT),
                          GetSysColor(COLOR_GRAYTEXT),  GetSysColor(COLOR_WINDOWFRAME),
                          GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
                          GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)};
  bool contrast = ContrastThemeOn() || !ThreeDLookShows(system);
  return ColoursFor(system, contrast, LookOf(record->state), (record->state & kStateDisabled) != 0,
                    record->background, record->captionColour);
}

}  // namespace glyphkey

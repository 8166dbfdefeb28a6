// The colours a GlyphKey control paints with: the system's 3-D look, or the look for
// contrast themes, where the 3-D colours may equal the face and no edge would show.
#pragma once
#include "paint_geometry.h"

namespace glyphkey {

using Colour = unsigned int;  // 0x00BBGGRR, as the window system's colour values
constexpr Colour kHostColourUnset = 0xFFFFFFFF;

// The system colours that painting reads (GetSysColor on Windows).
struct SystemColours {
  Colour face, text, grayText, frame, shadow, light, highlight, highlightText;
};

struct PaintColours {
  Colour frame;  // the outline
  Colour face;
  Colour shadowEdge;
  Colour lightEdge;
  Colour caption;
};

// The contrast of two colours as the accessibility guidelines measure it, 1 to 21.
float ContrastRatio(Colour a, Colour b);

// Does the 3-D look show on these colours: either edge colour differs enough from the
// face to be seen, and the outline stands out from the face by at least 3:1?
bool ThreeDLookShows(const SystemColours& system);

// contrast: a contrast theme is on, or the 3-D look would not show. Then the outline is
// drawn in the button text colour, the on and pressed looks in the highlight pair (their
// shadow edges in its text colour, so the depth still shows), disabled ones in the gray
// text colour with the caption in the face's, and the host's colours are ignored: the
// user's theme decides. Otherwise the system's 3-D colours, with the host's face and
// caption colours where set.
PaintColours ColoursFor(const SystemColours& system, bool contrast, Look look, bool disabled, Colour hostFace,
                        Colour hostCaption);

}  // namespace glyphkey

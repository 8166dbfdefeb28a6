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

// Does either 3-D edge colour differ enough from the face to be seen?
bool EdgesStandOut(const SystemColours& system);

// contrast: a contrast theme is on, or the edges do not stand out. Then the outline is
// drawn in the button text colour, the on and pressed looks in the highlight pair (their
// shadow edges in its text colour, so the depth still shows), and the host's colours are
// ignored: the user's theme decides. Otherwise the system's 3-D colours, with the host's
// face and caption colours where set.
PaintColours ColoursFor(const SystemColours& system, bool contrast, Look look, bool disabled, Colour hostFace,
                        Colour hostCaption);

}  // namespace glyphkey

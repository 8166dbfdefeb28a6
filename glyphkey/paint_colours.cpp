// Colour choice of a GlyphKey control, for the system's 3-D look and for contrast themes.
#include "paint_colours.h"

namespace glyphkey {
namespace {
// An edge that differs from the face by less than this in every channel is lost on it
// (the light edge of Windows 10's own buttons differs by 15, their shadow by 80).
constexpr int kVisibleDifference = 12;

int Channel(Colour colour, int shift) {
  return int((colour >> shift) & 0xFF);
}

bool StandsOut(Colour edge, Colour face) {
  for (int shift = 0; shift <= 16; shift += 8) {
    int difference = Channel(edge, shift) - Channel(face, shift);
    if (difference >= kVisibleDifference || -difference >= kVisibleDifference) return true;
  }
  return false;
}

Colour HostOr(Colour host, Colour system) {
  return host == kHostColourUnset ? system : host;
}
}  // namespace

bool EdgesStandOut(const SystemColours& system) {
  return StandsOut(system.shadow, system.face) || StandsOut(system.light, system.face);
}

PaintColours ColoursFor(const SystemColours& system, bool contrast, Look look, bool disabled, Colour hostFace,
                        Colour hostCaption) {
  PaintColours colours;
  if (!contrast) {
    colours.frame = system.frame;
    colours.face = HostOr(hostFace, system.face);
    colours.shadowEdge = system.shadow;
    colours.lightEdge = system.light;
    colours.caption = disabled ? system.grayText : HostOr(hostCaption, system.text);
    return colours;
  }
  bool highlighted = look != Look::kRaised;
  Colour text = highlighted ? system.highlightText : system.text;
  colours.frame = system.text;
  colours.face = highlighted ? system.highlight : system.face;
  colours.shadowEdge = text;
  colours.lightEdge = colours.face;  // drawn, but not seen: the shadow alone shows the depth
  colours.caption = disabled ? system.grayText : text;
  return colours;
}

}  // namespace glyphkey

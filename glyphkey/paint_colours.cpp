// Colour choice of a GlyphKey control, for the system's 3-D look and for contrast themes.
#include "paint_colours.h"

namespace glyphkey {
namespace {
// An edge that differs from the face by less than this in every channel is lost on it
// (the light edge of Windows 10's own buttons differs by 15, their shadow by 80).
constexpr int kVisibleDifference = 12;
// An outline fainter than this against the face does not show where the button ends
// (the contrast that non-text parts of a window need to be seen).
constexpr float kVisibleOutline = 3.0f;

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

// An sRGB channel as light: ((c + 0.055) / 1.055) ^ 2.4 above the dark end. The library
// has no C runtime, so the power is x^2 times the square of x's fifth root (Newton).
float LinearChannel(int channel) {
  float x = channel / 255.0f;
  if (x <= 0.04045f) return x / 12.92f;
  x = (x + 0.055f) / 1.055f;
  float root = 1.0f;
  for (int i = 0; i < 8; ++i) {
    float fourth = root * root * root * root;
    root = (4.0f * root + x / fourth) / 5.0f;
  }
  return x * x * root * root;
}

float Luminance(Colour colour) {
  return 0.2126f * LinearChannel(Channel(colour, 0)) + 0.7152f * LinearChannel(Channel(colour, 8)) +
         0.0722f * LinearChannel(Channel(colour, 16));
}

Colour HostOr(Colour host, Colour system) {
  return host == kHostColourUnset ? system : host;
}
}  // namespace

float ContrastRatio(Colour a, Colour b) {
  float la = Luminance(a) + 0.05f, lb = Luminance(b) + 0.05f;
  return la > lb ? la / lb : lb / la;
}

bool ThreeDLookShows(const SystemColours& system) {
  return (StandsOut(system.shadow, system.face) || StandsOut(system.light, system.face)) &&
         ContrastRatio(system.frame, system.face) >= kVisibleOutline;
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
  colours.caption = disabled ? system.grayText : text;
  if (disabled && highlighted) {
    // Gray text is set apart from the face, never from the highlight (1.3 to 1.7:1 in
    // Windows 11's themes): a disabled on or pressed button is the disabled pair
    // turned round, the face gray and the caption in the face colour.
    colours.face = system.grayText;
    colours.caption = text = system.face;
  }
  colours.shadowEdge = text;
  colours.lightEdge = colours.face;  // drawn, but not seen: the shadow alone shows the depth
  return colours;
}

}  // namespace glyphkey

// The drawing commands of an icon source carried out on its picture: shapes, pens,
// turns, clips and shading.
#include <cstdlib>

#include "source_parser.h"

namespace icondraw {

namespace {

int Round(double v) {
  return static_cast<int>(std::lround(v));
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  double vx = bx - ax, vy = by - ay;
  double len2 = vx * vx + vy * vy;
  double t = len2 > 0 ? ((px - ax) * vx + (py - ay) * vy) / len2 : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  double qx = ax + t * vx - px, qy = ay + t * vy - py;
  return std::sqrt(qx * qx + qy * qy);
}

int Luminance(int colour) {
  const Rgb& c = kPalette[colour];
  return (299 * c.r + 587 * c.g + 114 * c.b) / 1000;
}

}  // namespace

void Parser::Stamp(int cx, int cy, int width, bool square, int colour) {
  // Odd widths centre on the pixel, even widths on its lower right corner; square pen
  // tips for the thin pens, round ones beyond.
  const double half = width / 2.0;
  const double centre = (width % 2 == 0) ? 0.5 : 0.0;
  const int lo = -(width - 1) / 2, hi = width / 2;
  for (int dy = lo; dy <= hi; ++dy)
    for (int dx = lo; dx <= hi; ++dx) {
      double ex = dx - centre, ey = dy - centre;
      if (square || ex * ex + ey * ey <= half * half) Set(cx + dx, cy + dy, colour);
    }
}

void Parser::Line(int x0, int y0, int x1, int y1, int width, bool square, int colour) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Stamp(x0, y0, width, square, colour);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

bool Parser::Command(const std::vector<std::string>& w) {
  const std::string& op = w[0];
  double v[8];
  int colour = 0;

  if (op == "image") {
    if (!Expect(w, 3, 3, "image SIZE DEPTH (SIZE 16, 32 or 48; DEPTH 4bpp or 1bpp)")) return false;
    if (!Number(w[1], v)) return false;
    int size = Round(v[0]);
    if (size != 16 && size != 32 && size != 48) return Fail("an image is 16, 32 or 48 pixels square");
    int bits = w[2] == "4bpp" ? 4 : (w[2] == "1bpp" ? 1 : 0);
    if (bits == 0) return Fail("the depth is 4bpp or 1bpp, not '" + w[2] + "'");
    for (const Picture& p : icon_->pictures)
      if (p.size == size && p.bitsPerPixel == bits) return Fail("a second " + w[1] + " " + w[2] + " image");
    Picture picture;
    picture.size = Round(size * scale_);
    sourceSize_ = size;
    picture.bitsPerPixel = bits;
    picture.pixels.assign(picture.size * picture.size, kTransparent);
    icon_->pictures.push_back(picture);
    cos_ = 1;
    sin_ = 0;
    clipRadius_ = -1;
    return true;
  }
  if (icon_->pictures.empty()) return Fail("'" + op + "' before the first 'image' line");
  const int size = sourceSize_;  // the source's numbers are for this size, whatever the scale
  // A ring's or arc's band at the scale: whole pixels, as a line of that width.
  auto band = [this](double width) { return scale_ == 1 ? width : Pen(width); };

  if (op == "fill") {
    if (!Expect(w, 2, 2, "fill COLOUR") || !Colour(w[1], &colour)) return false;
    FillWhere(colour, [](double, double) { return true; });
  } else if (op == "dot") {
    if (!Expect(w, 4, 4, "dot X Y COLOUR") || !Numbers(w, 1, 2, v) || !Colour(w[3], &colour)) return false;
    int x, y;
    Turn(v[0], v[1], &x, &y);
    if (scale_ == 1)
      Set(x, y, colour);
    else
      Block(x, y, colour);
  } else if (op == "rect" || op == "frame") {
    if (!Expect(w, 6, 6, "rect|frame X0 Y0 X1 Y1 COLOUR") || !Numbers(w, 1, 4, v) || !Colour(w[5], &colour))
      return false;
    // Both corners are inside: the rectangle reaches half a pixel beyond them.
    // A frame is the outermost source pixel on each side, 1 or 2 pixels at 48.
    const double l = std::fmin(v[0], v[2]), r = std::fmax(v[0], v[2]);
    const double t = std::fmin(v[1], v[3]), b = std::fmax(v[1], v[3]);
    const double x0 = Edge(l - 0.5), x1 = Edge(r + 0.5), y0 = Edge(t - 0.5), y1 = Edge(b + 0.5);
    const double ix0 = Edge(l + 0.5), ix1 = Edge(r - 0.5), iy0 = Edge(t + 0.5), iy1 = Edge(b - 0.5);
    const bool outline = op == "frame";
    FillWhere(colour, [=](double x, double y) {
      bool in = x >= x0 && x < x1 && y >= y0 && y < y1;
      bool edge = x < ix0 || x >= ix1 || y < iy0 || y >= iy1;
      return in && (!outline || edge);
    });
  } else if (op == "line") {
    if (!Expect(w, 6, 7, "line X0 Y0 X1 Y1 COLOUR [WIDTH]") || !Numbers(w, 1, 4, v) || !Colour(w[5], &colour))
      return false;
    v[4] = 1;
    if (w.size() == 7 && !Number(w[6], &v[4])) return false;
    if (v[4] < 1 || v[4] > size) return Fail("a line's width is 1 to the image size");
    TurnedLine(v[0], v[1], v[2], v[3], v[4], colour);
  } else if (op == "disc" || op == "ring") {
    if (!Expect(w, 5, op == "ring" ? 6 : 5,
                op == "ring" ? "ring CX CY R COLOUR [WIDTH]" : "disc CX CY R COLOUR") ||
        !Numbers(w, 1, 3, v) || !Colour(w[4], &colour))
      return false;
    v[3] = 1;
    if (w.size() == 6 && !Number(w[5], &v[3])) return false;
    double cx = Scaled(v[0]), cy = Scaled(v[1]), r = Scaled(v[2]), width = band(v[3]);
    // Pixel centres inside r + 1/2 make round circles on the pixel grid; a ring is
    // the band of the given width around r, so ring and disc of one r meet.
    double outer = r + 0.5, inner = op == "ring" ? r + 0.5 - width : -1;
    FillWhere(colour, [=](double x, double y) {
      double d = std::hypot(x - cx, y - cy);
      return d < outer && d >= inner;
    });
  } else if (op == "arc") {
    if (!Expect(w, 7, 8, "arc CX CY R COLOUR FROM TO [WIDTH] (degrees clockwise from 3 o'clock)") ||
        !Numbers(w, 1, 3, v) || !Colour(w[4], &colour) || !Numbers(w, 5, 2, v + 3))
      return false;
    v[5] = 1;
    if (w.size() == 8 && !Number(w[7], &v[5])) return false;
    const double cx = Scaled(v[0]), cy = Scaled(v[1]), outer = Scaled(v[2]) + 0.5, inner = outer - band(v[5]);
    const double from = v[3], span = std::fmod(std::fmod(v[4] - v[3], 360) + 360, 360);
    FillWhere(colour, [=](double x, double y) {
      double d = std::hypot(x - cx, y - cy);
      double a = std::atan2(y - cy, x - cx) * 180 / 3.14159265358979323846;
      double into = std::fmod(std::fmod(a - from, 360) + 360, 360);
      return d < outer && d >= inner && into <= span;
    });
  } else if (op == "ellipse") {
    if (!Expect(w, 6, 6, "ellipse CX CY RX RY COLOUR") || !Numbers(w, 1, 4, v) || !Colour(w[5], &colour))
      return false;
    double cx = Scaled(v[0]), cy = Scaled(v[1]), rx = Scaled(v[2]) + 0.5, ry = Scaled(v[3]) + 0.5;
    FillWhere(colour, [=](double x, double y) {
      double ex = (x - cx) / rx, ey = (y - cy) / ry;
      return ex * ex + ey * ey < 1;
    });
  } else if (op == "poly") {
    if (w.size() < 8 || w.size() % 2 != 0) return Fail("usage: poly COLOUR X0 Y0 X1 Y1 X2 Y2 ...");
    if (!Colour(w[1], &colour)) return false;
    std::vector<double> xs, ys;
    for (size_t i = 2; i < w.size(); i += 2) {
      if (!Numbers(w, i, 2, v)) return false;
      xs.push_back(Scaled(v[0]));
      ys.push_back(Scaled(v[1]));
    }
    const size_t n = xs.size();
    const double reach = 0.5 * scale_;
    // Inside by the crossing rule, plus the pixels the outline passes through, so
    // that thin shapes and their corners are not lost.
    FillWhere(colour, [&](double x, double y) {
      bool inside = false;
      for (size_t i = 0, j = n - 1; i < n; j = i++) {
        if (SegmentDistance(x, y, xs[i], ys[i], xs[j], ys[j]) <= reach) return true;
        if ((ys[i] > y) != (ys[j] > y) && x < (xs[j] - xs[i]) * (y - ys[i]) / (ys[j] - ys[i]) + xs[i])
          inside = !inside;
      }
      return inside;
    });
  } else if (op == "outline") {
    if (w.size() < 6 || w.size() % 2 != 0) return Fail("usage: outline COLOUR X0 Y0 X1 Y1 ...");
    if (!Colour(w[1], &colour)) return false;
    std::vector<double> p;
    for (size_t i = 2; i < w.size(); ++i) {
      if (!Number(w[i], v)) return false;
      p.push_back(v[0]);
    }
    for (size_t i = 0; i < p.size(); i += 2) {
      size_t j = (i + 2) % p.size();
      TurnedLine(p[i], p[i + 1], p[j], p[j + 1], 1, colour);
    }
  } else if (op == "turn") {
    if (!Expect(w, 2, 2, "turn DEGREES (clockwise, about the image centre; turn 0 ends it)") ||
        !Number(w[1], v))
      return false;
    const double kPi = 3.14159265358979323846;
    cos_ = std::cos(v[0] * kPi / 180);
    sin_ = std::sin(v[0] * kPi / 180);
  } else if (op == "clip") {
    if (w.size() == 2 && w[1] == "off") {
      clipRadius_ = -1;
      return true;
    }
    if (!Expect(w, 4, 4, "clip CX CY R (later drawing stays inside that disc) or clip off") ||
        !Numbers(w, 1, 3, v))
      return false;
    clipX_ = Scaled(v[0]);
    clipY_ = Scaled(v[1]);
    clipRadius_ = Scaled(v[2]);
  } else if (op == "pixels") {
    if (!Expect(w, 1, 1, "pixels (then one row of SIZE characters per line)")) return false;
    rowsLeft_ = rowWidth_ = size;
    rowX_ = rowY_ = 0;
    overlay_ = false;
  } else if (op == "overlay") {
    if (!Expect(w, 5, 5, "overlay X Y WIDTH HEIGHT (then HEIGHT rows, '-' keeps a pixel)") ||
        !Numbers(w, 1, 4, v))
      return false;
    if (v[2] < 1 || v[3] < 1 || v[2] > size || v[3] > size) return Fail("an overlay fits inside the image");
    rowX_ = Round(v[0]);
    rowY_ = Round(v[1]);
    rowWidth_ = Round(v[2]);
    rowsLeft_ = Round(v[3]);
    overlay_ = true;
  } else if (op == "replace") {
    int to = 0;
    if (!Expect(w, 3, 3, "replace COLOUR NEWCOLOUR") || !Colour(w[1], &colour) || !Colour(w[2], &to))
      return false;
    for (int& p : Current().pixels)
      if (p == colour) p = to;
  } else if (op == "shift") {
    if (!Expect(w, 3, 3, "shift DX DY") || !Numbers(w, 1, 2, v)) return false;
    std::vector<int> old = Current().pixels;
    const int n = Current().size, dx = Round(v[0] * scale_), dy = Round(v[1] * scale_);
    Current().pixels.assign(n * n, kTransparent);
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x) Set(x + dx, y + dy, old[y * n + x]);
  } else if (op == "from") {
    if (!Expect(w, 2, 2, "from N (copies image N of this source, counted from 1)") || !Number(w[1], v))
      return false;
    if (scale_ != 1)
      return Fail("'from' copies pixels, which cannot be drawn at " + std::to_string(Current().size) +
                  " pixels");
    int n = Round(v[0]);
    if (n < 1 || n >= static_cast<int>(icon_->pictures.size())) return Fail("'from' names an earlier image");
    const Picture& source = icon_->pictures[n - 1];
    if (source.size != size) return Fail("'from' copies an image of the same size");
    const bool mono = Current().bitsPerPixel == 1;
    // A monochrome copy keeps the shape: light colours become white, the rest black.
    std::vector<int> copy = source.pixels;
    for (int& p : copy)
      if (mono && p >= 0) p = Luminance(p) > 128 ? kWhite : kBlack;
    Current().pixels = copy;
  } else {
    return Fail("unknown command '" + op + "'");
  }
  return true;
}

}  // namespace icondraw

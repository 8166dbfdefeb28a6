// icondraw: renders icon sources (text: "image 32 4bpp", then fill/rect/line/disc/poly/pixels... lines) into
// .ico files and galleries.
#include "icondraw.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace icondraw {

const Rgb kPalette[kPaletteSize] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
const char* const kColourNames[kPaletteSize] = {"black", "maroon",  "green", "olive", "navy", "purple",
                                                "teal",  "silver",  "gray",  "red",   "lime", "yellow",
                                                "blue",  "fuchsia", "aqua",  "white"};

namespace {

constexpr int kBlack = 0;
constexpr int kWhite = 15;
constexpr int kKeep = -2;  // in an overlay row: leave the pixel as it is

// Parsing state of one source; every drawing command works on the last picture.
class Parser {
 public:
  // At a scale other than 1 the source's coordinates, radii and pen widths are those of
  // an image 1/scale the size of the one drawn (DrawAtScale).
  Parser(const std::string& name, IconSource* icon, std::string* error, double scale = 1)
      : name_(name), icon_(icon), error_(error), scale_(scale) {}

  bool Parse(const std::string& text);

 private:
  bool Fail(const std::string& message) {
    *error_ = name_ + ":" + std::to_string(line_) + ": " + message;
    return false;
  }
  bool Command(const std::vector<std::string>& words);
  bool Number(const std::string& word, double* value);
  bool Numbers(const std::vector<std::string>& words, size_t first, size_t count, double* values);
  bool Colour(const std::string& word, int* colour);
  bool Expect(const std::vector<std::string>& words, size_t least, size_t most, const char* usage);
  bool PixelRow(const std::string& row);

  Picture& Current() { return icon_->pictures.back(); }
  void Set(int x, int y, int colour) {
    Picture& p = Current();
    if (x < 0 || y < 0 || x >= p.size || y >= p.size) return;
    if (clipRadius_ >= 0 && std::hypot(x - clipX_, y - clipY_) >= clipRadius_ + 0.5) return;
    p.pixels[y * p.size + x] = colour;
  }
  // Drawing at a scale. A point c of the source's grid lies at (c + 1/2) * scale - 1/2
  // on the drawn image: the source's pixel edges land on multiples of the scale.
  double Scaled(double c) const { return scale_ == 1 ? c : (c + 0.5) * scale_ - 0.5; }
  // The source's pixel edge b (pixel c lies between edges c and c + 1) on the nearest
  // pixel edge of the drawn image. At 1.5 every second edge falls half-way; it goes
  // toward the centre, so the picture stays symmetric. The source's pixels then tile
  // the image, 1 or 2 pixels each, and rectangles, frames, dots and pixel rows laid
  // side by side in the source stay side by side, without gaps.
  int EdgeAt(double b) const {
    const double t = b * scale_, middle = sourceSize_ * scale_ / 2;
    return static_cast<int>(t < middle ? std::floor(t + 0.5) : std::ceil(t - 0.5));
  }
  // An edge half-way between pixel centres, as the rectangle tests take it.
  double Edge(double e) const { return scale_ == 1 ? e : EdgeAt(e + 0.5) - 0.5; }
  // Pens keep whole pixels: at 1.5 the halves round down, so that a 1-pixel line stays
  // 1 pixel at 48 (as a designer draws a 48-pixel icon) and becomes 2 at 64.
  int Pen(double width) const {
    return scale_ == 1 ? static_cast<int>(std::lround(width))
                       : std::max(1, static_cast<int>(std::ceil(width * scale_ - 0.5)));
  }
  // The pixel a pen of the source's width centred at c lands on, for a pen of that
  // width at the scale; an even pen centres on its pixel's lower right corner (Stamp).
  // A 1-pixel pen on a source pixel that became 2 takes the one farther from the
  // centre: lines along an icon's edges (bevels, shading) keep touching its border.
  int PenPixel(double c, double width) const {
    if (Pen(width) == 1 && std::lround(width) == 1 && c == std::floor(c))
      return c < (sourceSize_ - 1) / 2.0 ? EdgeAt(c) : EdgeAt(c + 1) - 1;
    const double from = std::lround(width) % 2 == 0 ? 0.5 : 0, to = Pen(width) % 2 == 0 ? 0.5 : 0;
    return static_cast<int>(std::lround(Scaled(c + from) - to));
  }
  // The source's pixel (x, y) as the block of pixels it became.
  void Block(int x, int y, int colour) {
    for (int ty = EdgeAt(y); ty < EdgeAt(y + 1); ++ty)
      for (int tx = EdgeAt(x); tx < EdgeAt(x + 1); ++tx) Set(tx, ty, colour);
  }
  // Shapes are tested in the turned frame: each pixel centre is turned back by the
  // current angle about the image centre before it is compared with the shape.
  template <typename Inside>
  void FillWhere(int colour, Inside inside) {
    const double c = (Current().size - 1) / 2.0;
    for (int y = 0; y < Current().size; ++y)
      for (int x = 0; x < Current().size; ++x) {
        double u = c + (x - c) * cos_ + (y - c) * sin_;
        double v = c - (x - c) * sin_ + (y - c) * cos_;
        if (inside(u, v)) Set(x, y, colour);
      }
  }
  // A point of the turned frame, turned clockwise about the centre, in the source's grid.
  void TurnPoint(double u, double v, double* x, double* y) const {
    const double c = (sourceSize_ - 1) / 2.0;
    *x = c + (u - c) * cos_ - (v - c) * sin_;
    *y = c + (u - c) * sin_ + (v - c) * cos_;
  }
  void Turn(double u, double v, int* x, int* y) const {
    double tx, ty;
    TurnPoint(u, v, &tx, &ty);
    *x = static_cast<int>(std::lround(tx));
    *y = static_cast<int>(std::lround(ty));
  }
  void TurnedLine(double u0, double v0, double u1, double v1, double width, int colour) {
    int x0, y0, x1, y1;
    if (scale_ == 1) {
      Turn(u0, v0, &x0, &y0);
      Turn(u1, v1, &x1, &y1);
    } else {
      double x, y;
      TurnPoint(u0, v0, &x, &y);
      x0 = PenPixel(x, width);
      y0 = PenPixel(y, width);
      TurnPoint(u1, v1, &x, &y);
      x1 = PenPixel(x, width);
      y1 = PenPixel(y, width);
    }
    // The pen keeps the source's tip: square up to 3 pixels, round beyond.
    Line(x0, y0, x1, y1, Pen(width), std::lround(width) <= 3, colour);
  }
  void Stamp(int cx, int cy, int width, bool square, int colour);
  void Line(int x0, int y0, int x1, int y1, int width, bool square, int colour);

  std::string name_;
  IconSource* icon_;
  std::string* error_;
  int line_ = 0;
  int rowsLeft_ = 0;  // rows still expected after "pixels" or "overlay"
  int rowX_ = 0, rowY_ = 0, rowWidth_ = 0;
  bool overlay_ = false;
  double scale_ = 1;
  int sourceSize_ = 32;                             // the image size the source's numbers are for
  double cos_ = 1, sin_ = 0;                        // the angle of "turn"
  double clipX_ = 0, clipY_ = 0, clipRadius_ = -1;  // "clip": only this disc is painted
};

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line.substr(0, line.find('#')));
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

bool Parser::Parse(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    ++line_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (rowsLeft_ > 0) {
      if (!PixelRow(line)) return false;
      continue;
    }
    std::vector<std::string> words = SplitWords(line);
    if (!words.empty() && !Command(words)) return false;
  }
  if (rowsLeft_ > 0) return Fail("the source ends " + std::to_string(rowsLeft_) + " pixel rows early");
  if (icon_->pictures.empty()) return Fail("no image: the source needs an 'image SIZE DEPTH' line");
  return true;
}

bool Parser::PixelRow(const std::string& raw) {
  std::string row = raw.substr(0, raw.find_last_not_of(" \t") + 1);
  size_t start = row.find_first_not_of(" \t");
  row = start == std::string::npos ? std::string() : row.substr(start);
  if (static_cast<int>(row.size()) != rowWidth_)
    return Fail("a pixel row needs " + std::to_string(rowWidth_) + " characters, this one has " +
                std::to_string(row.size()));
  const bool mono = Current().bitsPerPixel == 1;
  for (int i = 0; i < rowWidth_; ++i) {
    char c = row[i];
    int colour;
    if (c >= '0' && c <= '9')
      colour = c - '0';
    else if (c >= 'a' && c <= 'f')
      colour = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      colour = c - 'A' + 10;
    else if (c == '.')
      colour = kTransparent;
    else if (c == '-' && overlay_)
      colour = kKeep;
    else
      return Fail(std::string("'") + c + "' is no pixel: use 0-9, a-f, '.'" + (overlay_ ? " or '-'" : ""));
    if (mono && colour != kBlack && colour != kWhite && colour >= 0)
      return Fail("a 1bpp image has only black (0), white (f) and '.'");
    if (colour == kKeep) continue;
    if (scale_ == 1)
      Set(rowX_ + i, rowY_, colour);
    else
      Block(rowX_ + i, rowY_, colour);
  }
  ++rowY_;
  --rowsLeft_;
  return true;
}

bool Parser::Number(const std::string& word, double* value) {
  char* end = nullptr;
  *value = std::strtod(word.c_str(), &end);
  if (word.empty() || *end != '\0' || !std::isfinite(*value) || std::fabs(*value) > 1000)
    return Fail("'" + word + "' is not a number");
  return true;
}

bool Parser::Numbers(const std::vector<std::string>& words, size_t first, size_t count, double* values) {
  for (size_t i = 0; i < count; ++i)
    if (!Number(words[first + i], &values[i])) return false;
  return true;
}

bool Parser::Colour(const std::string& word, int* colour) {
  if (word == "none") {
    *colour = kTransparent;
    return true;
  }
  for (int i = 0; i < kPaletteSize; ++i) {
    if (word == kColourNames[i]) {
      if (Current().bitsPerPixel == 1 && i != kBlack && i != kWhite)
        return Fail("a 1bpp image has only black, white and none, not '" + word + "'");
      *colour = i;
      return true;
    }
  }
  return Fail("'" + word + "' is no colour: use one of the 16 VGA names or none");
}

bool Parser::Expect(const std::vector<std::string>& words, size_t least, size_t most, const char* usage) {
  if (words.size() < least || words.size() > most) return Fail(std::string("usage: ") + usage);
  return true;
}

int Round(double v) {
  return static_cast<int>(std::lround(v));
}

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

void Put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Rows of a DIB are padded to whole 32-bit words.
int RowBytes(int width, int bits) {
  return (width * bits + 31) / 32 * 4;
}

int ColourCount(const Picture& p) {
  return 1 << p.bitsPerPixel;
}

void PutImage(std::vector<uint8_t>& out, const Picture& p) {
  const int n = p.size;
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, n);
  Put32(out, 2 * n);  // the height counts the XOR and the AND mask
  Put16(out, 1);
  Put16(out, p.bitsPerPixel);
  Put32(out, 0);
  Put32(out, n * (RowBytes(n, p.bitsPerPixel) + RowBytes(n, 1)));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  if (p.bitsPerPixel == 4) {
    for (const Rgb& c : kPalette) {
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
      out.push_back(0);
    }
  } else {
    Put32(out, 0x000000);
    Put32(out, 0xFFFFFF);
  }
  // XOR bits, bottom row first; transparent pixels are 0 so the AND mask shows the screen.
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(RowBytes(n, p.bitsPerPixel), 0);
    for (int x = 0; x < n; ++x) {
      int c = p.At(x, y);
      if (c < 0) continue;
      if (p.bitsPerPixel == 4)
        row[x / 2] |= (x % 2 == 0) ? (c << 4) : c;
      else if (c == kWhite)
        row[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(RowBytes(n, 1), 0);
    for (int x = 0; x < n; ++x)
      if (p.At(x, y) < 0) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
}

void PutBig32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  PutBig32(out, data.size());
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBig32(out, crc32(0, out.data() + start, out.size() - start));
}

int Paeth(int a, int b, int c) {
  int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

// The image's rows, each behind its filter byte, with one filter for every row.
std::vector<uint8_t> FilterRows(const std::vector<uint8_t>& rgba, int size, int filter) {
  const int stride = 4 * size;
  std::vector<uint8_t> out;
  for (int y = 0; y < size; ++y) {
    out.push_back(filter);
    const uint8_t* row = &rgba[y * stride];
    const uint8_t* above = y > 0 ? row - stride : nullptr;
    for (int i = 0; i < stride; ++i) {
      int a = i >= 4 ? row[i - 4] : 0, b = above ? above[i] : 0, c = (above && i >= 4) ? above[i - 4] : 0;
      int predicted = filter == 1   ? a
                      : filter == 2 ? b
                      : filter == 3 ? (a + b) / 2
                      : filter == 4 ? Paeth(a, b, c)
                                    : 0;
      out.push_back((row[i] - predicted) & 0xFF);
    }
  }
  return out;
}

// The zlib stream that the zopfli program makes of data (its exhaustive search packs about
// 6 % tighter than zlib's best), or nothing when it cannot be run.
std::vector<uint8_t> ZopfliDeflate(const char* zopfli, const std::vector<uint8_t>& data) {
  const char* folder = std::getenv("TMPDIR");
  std::string name = std::string(folder && *folder ? folder : "/tmp") + "/icondraw-XXXXXX";
  std::vector<char> path(name.begin(), name.end());
  path.push_back('\0');
  const int fd = mkstemp(path.data());
  if (fd < 0) return {};
  FILE* raw = fdopen(fd, "wb");
  const bool written = raw && fwrite(data.data(), 1, data.size(), raw) == data.size();
  if (raw) fclose(raw);
  std::vector<uint8_t> out;
  if (written) {
    const std::string command = std::string("'") + zopfli + "' --zlib -c '" + path.data() + "'";
    if (FILE* pipe = popen(command.c_str(), "r")) {
      uint8_t chunk[4096];
      for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.insert(out.end(), chunk, chunk + n);
      if (pclose(pipe) != 0) out.clear();
    }
  }
  std::remove(path.data());
  return out;
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data) {
  uLongf length = compressBound(data.size());
  std::vector<uint8_t> out(length);
  if (compress2(out.data(), &length, data.data(), data.size(), Z_BEST_COMPRESSION) != Z_OK) return {};
  out.resize(length);
  return out;
}

// A 5 by 7 font of the capital letters, the digits and '-', one byte per row.
const uint8_t* Glyph(char c) {
  static const uint8_t kLetters[26][7] = {
      {14, 17, 17, 31, 17, 17, 17}, {30, 17, 17, 30, 17, 17, 30}, {14, 17, 16, 16, 16, 17, 14},
      {30, 17, 17, 17, 17, 17, 30}, {31, 16, 16, 30, 16, 16, 31}, {31, 16, 16, 30, 16, 16, 16},
      {14, 17, 16, 23, 17, 17, 15}, {17, 17, 17, 31, 17, 17, 17}, {14, 4, 4, 4, 4, 4, 14},
      {7, 2, 2, 2, 2, 18, 12},      {17, 18, 20, 24, 20, 18, 17}, {16, 16, 16, 16, 16, 16, 31},
      {17, 27, 21, 21, 17, 17, 17}, {17, 17, 25, 21, 19, 17, 17}, {14, 17, 17, 17, 17, 17, 14},
      {30, 17, 17, 30, 16, 16, 16}, {14, 17, 17, 17, 21, 18, 13}, {30, 17, 17, 30, 20, 18, 17},
      {15, 16, 16, 14, 1, 1, 30},   {31, 4, 4, 4, 4, 4, 4},       {17, 17, 17, 17, 17, 17, 14},
      {17, 17, 17, 17, 17, 10, 4},  {17, 17, 17, 21, 21, 21, 10}, {17, 17, 10, 4, 10, 17, 17},
      {17, 17, 17, 10, 4, 4, 4},    {31, 1, 2, 4, 8, 16, 31}};
  static const uint8_t kDigits[10][7] = {{14, 17, 19, 21, 25, 17, 14}, {4, 12, 4, 4, 4, 4, 14},
                                         {14, 17, 1, 2, 4, 8, 31},     {31, 2, 4, 2, 1, 17, 14},
                                         {2, 6, 10, 18, 31, 2, 2},     {31, 16, 30, 1, 1, 17, 14},
                                         {6, 8, 16, 30, 17, 17, 14},   {31, 1, 2, 4, 8, 8, 8},
                                         {14, 17, 17, 14, 17, 17, 14}, {14, 17, 17, 15, 1, 2, 12}};
  static const uint8_t kDash[7] = {0, 0, 0, 31, 0, 0, 0};
  static const uint8_t kBlank[7] = {0, 0, 0, 0, 0, 0, 0};
  if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
  if (c >= 'A' && c <= 'Z') return kLetters[c - 'A'];
  if (c >= '0' && c <= '9') return kDigits[c - '0'];
  return c == '-' ? kDash : kBlank;
}

constexpr int kFontScale = 2;
constexpr int kCharWidth = 6 * kFontScale;
constexpr int kCharHeight = 7 * kFontScale;
constexpr int kMargin = 12;
constexpr int kGap = 8;
const Rgb kBackground = {236, 236, 236};
const Rgb kInk = {32, 32, 32};

void PutPixel(RgbImage& image, int x, int y, const Rgb& c) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  uint8_t* p = &image.rgb[3 * (y * image.width + x)];
  p[0] = c.r;
  p[1] = c.g;
  p[2] = c.b;
}

void DrawText(RgbImage& image, int x, int y, const std::string& text) {
  for (char c : text) {
    const uint8_t* rows = Glyph(c);
    for (int r = 0; r < 7; ++r)
      for (int b = 0; b < 5; ++b)
        if (rows[r] & (0x10 >> b))
          for (int sy = 0; sy < kFontScale; ++sy)
            for (int sx = 0; sx < kFontScale; ++sx)
              PutPixel(image, x + b * kFontScale + sx, y + r * kFontScale + sy, kInk);
    x += kCharWidth;
  }
}

int PicturesWidth(const IconSource& icon, int scale) {
  int width = 0;
  for (const Picture& p : icon.pictures) width += p.size * scale + kGap;
  return width - kGap;
}

}  // namespace

bool ParseIconSource(const std::string& text, const std::string& name, IconSource* icon, std::string* error) {
  icon->pictures.clear();
  Parser parser(name, icon, error);
  return parser.Parse(text);
}

bool DrawAtScale(const std::string& text, const std::string& name, IconSource* icon, std::string* error) {
  // The lines of the 32-pixel 16-colour image, the others left blank so that an error
  // names the source's own line; an image runs to the next "image" line.
  std::istringstream in(text);
  std::string line, block;
  bool inside = false, found = false;
  while (std::getline(in, line)) {
    std::vector<std::string> words = SplitWords(line);
    if (!words.empty() && words[0] == "image") {
      inside = words.size() == 3 && words[1] == "32" && words[2] == "4bpp";
      found = found || inside;
    }
    block += (inside ? line : std::string()) + "\n";
  }
  if (!found) return true;
  for (int size : {48, 64, 96}) {
    bool drawn = false;  // by the source itself, which is kept as it is
    for (const Picture& p : icon->pictures) drawn = drawn || (p.size == size && p.bitsPerPixel == 4);
    if (drawn) continue;
    IconSource scaled;
    Parser parser(name, &scaled, error, size / 32.0);
    if (!parser.Parse(block)) return false;
    scaled.pictures[0].png = true;
    icon->pictures.push_back(scaled.pictures[0]);
  }
  return true;
}

std::vector<uint8_t> EncodePng(const Picture& p) {
  std::vector<uint8_t> rgba;
  for (int c : p.pixels) {
    const Rgb rgb = c >= 0 ? kPalette[c] : Rgb{0, 0, 0};
    rgba.insert(rgba.end(), {rgb.r, rgb.g, rgb.b, static_cast<uint8_t>(c >= 0 ? 255 : 0)});
  }
  // Of the five filters, the one whose rows deflate smallest: flat colours favour "up"
  // or "sub" depending on the picture.
  std::vector<uint8_t> best;
  int bestFilter = 0;
  for (int filter = 0; filter <= 4; ++filter) {
    std::vector<uint8_t> packed = Deflate(FilterRows(rgba, p.size, filter));
    if (!packed.empty() && (best.empty() || packed.size() < best.size())) best = packed, bestFilter = filter;
  }
  // ICONDRAW_ZOPFLI names the zopfli program, which the build finds: the rows of that
  // filter packed once more by it, the smaller kept.
  if (const char* zopfli = std::getenv("ICONDRAW_ZOPFLI")) {
    std::vector<uint8_t> tighter = ZopfliDeflate(zopfli, FilterRows(rgba, p.size, bestFilter));
    if (!tighter.empty() && tighter.size() < best.size()) best = tighter;
  }
  const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> out(signature, signature + 8), header;
  PutBig32(header, p.size);
  PutBig32(header, p.size);
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits a sample, RGBA, deflate, no interlace
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", best);
  PutChunk(out, "IEND", {});
  return out;
}

std::vector<uint8_t> WriteIco(const IconSource& icon) {
  std::vector<uint8_t> out;
  const unsigned count = icon.pictures.size();
  Put16(out, 0);  // ICONDIR: reserved, type 1 = icon, count
  Put16(out, 1);
  Put16(out, count);
  std::vector<std::vector<uint8_t>> images;
  for (const Picture& p : icon.pictures) {
    images.emplace_back();
    if (p.png)
      images.back() = EncodePng(p);
    else
      PutImage(images.back(), p);
  }
  unsigned offset = 6 + 16 * count;
  for (size_t i = 0; i < images.size(); ++i) {
    const Picture& p = icon.pictures[i];
    out.push_back(p.size);  // ICONDIRENTRY
    out.push_back(p.size);
    // A PNG image is 32 bits a pixel (RGBA) whatever colours it uses.
    out.push_back(p.png ? 0 : ColourCount(p));
    out.push_back(0);
    Put16(out, 1);
    Put16(out, p.png ? 32 : p.bitsPerPixel);
    Put32(out, images[i].size());
    Put32(out, offset);
    offset += images[i].size();
  }
  for (const std::vector<uint8_t>& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

RgbImage RenderGallery(const std::vector<GalleryItem>& items, int scale, int columns) {
  int cellWidth = 0, picturesHeight = 0;
  for (const GalleryItem& item : items) {
    cellWidth = std::max(cellWidth, PicturesWidth(item.icon, scale));
    cellWidth = std::max(cellWidth, static_cast<int>(item.label.size()) * kCharWidth);
    for (const Picture& p : item.icon.pictures) picturesHeight = std::max(picturesHeight, p.size * scale);
  }
  cellWidth += 2 * kMargin;
  const int cellHeight = picturesHeight + kGap + kCharHeight + 2 * kMargin;
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  RgbImage image;
  image.width = std::max(1, std::min<int>(columns, items.size()) * cellWidth);
  image.height = std::max(1, rows * cellHeight);
  image.rgb.resize(3 * image.width * image.height);
  for (int i = 0; i < image.width * image.height; ++i)
    PutPixel(image, i % image.width, i / image.width, kBackground);

  for (size_t i = 0; i < items.size(); ++i) {
    const GalleryItem& item = items[i];
    const int left = (i % columns) * cellWidth, top = (i / columns) * cellHeight;
    int x = left + (cellWidth - PicturesWidth(item.icon, scale)) / 2;
    for (const Picture& p : item.icon.pictures) {
      const int y0 = top + kMargin + picturesHeight - p.size * scale;
      for (int y = 0; y < p.size * scale; ++y)
        for (int px = 0; px < p.size * scale; ++px) {
          int c = p.At(px / scale, y / scale);
          if (c >= 0) PutPixel(image, x + px, y0 + y, kPalette[c]);
        }
      x += p.size * scale + kGap;
    }
    const int textWidth = static_cast<int>(item.label.size()) * kCharWidth - kFontScale;
    DrawText(image, left + (cellWidth - textWidth) / 2, top + kMargin + picturesHeight + kGap, item.label);
  }
  return image;
}

std::vector<uint8_t> EncodePpm(const RgbImage& image) {
  std::string header = "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
  std::vector<uint8_t> out(header.begin(), header.end());
  out.insert(out.end(), image.rgb.begin(), image.rgb.end());
  return out;
}

std::string LabelFromFileName(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  name = name.substr(0, name.find('-'));
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
  return name;
}

}  // namespace icondraw

#ifndef ICONDRAW_NO_MAIN
namespace {

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return true;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return static_cast<bool>(out);
}

bool Load(const std::string& path, icondraw::IconSource* icon) {
  std::string text, error;
  if (!ReadFile(path, &text)) {
    std::cerr << "icondraw: cannot read " << path << "\n";
    return false;
  }
  if (!icondraw::ParseIconSource(text, path, icon, &error) ||
      !icondraw::DrawAtScale(text, path, icon, &error)) {
    std::cerr << error << "\n";
    return false;
  }
  return true;
}

int Usage() {
  std::cerr << "usage: icondraw SOURCE.icon OUTPUT.ico\n"
               "       icondraw --gallery OUTPUT.ppm [--scale N] [--columns N] SOURCE.icon...\n";
  return 2;
}

int RenderGalleryFile(int argc, char** argv) {
  std::string output = argv[2];
  int scale = 3, columns = 8;
  std::vector<icondraw::GalleryItem> items;
  for (int i = 3; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--scale" || arg == "--columns") && i + 1 < argc) {
      int value = std::atoi(argv[++i]);
      if (value < 1 || value > 16) return Usage();
      (arg == "--scale" ? scale : columns) = value;
      continue;
    }
    icondraw::GalleryItem item;
    item.label = icondraw::LabelFromFileName(arg);
    if (!Load(arg, &item.icon)) return 1;
    items.push_back(item);
  }
  if (items.empty()) return Usage();
  if (!WriteFile(output, icondraw::EncodePpm(icondraw::RenderGallery(items, scale, columns)))) {
    std::cerr << "icondraw: cannot write " << output << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--gallery") == 0) return RenderGalleryFile(argc, argv);
  if (argc != 3) return Usage();
  icondraw::IconSource icon;
  if (!Load(argv[1], &icon)) return 1;
  if (!WriteFile(argv[2], icondraw::WriteIco(icon))) {
    std::cerr << "icondraw: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
#endif

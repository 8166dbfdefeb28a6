// The parser of an icon source and the drawing state behind it: every line of a source
// is read here (source_parser.cpp) and every drawing command carried out on the last
// picture (drawing.cpp). Internal to the tool; icondraw.h is its interface.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "icondraw.h"

namespace icondraw {

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

}  // namespace icondraw

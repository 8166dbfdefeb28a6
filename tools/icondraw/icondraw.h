// The icon drawing tool's interface: icon sources read (source_parser.cpp), drawn (drawing.cpp)
// and written as .ico files, PNG images and galleries (image_files.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace icondraw {

constexpr int kTransparent = -1;  // a pixel that shows what lies behind the icon
constexpr int kPaletteSize = 16;
constexpr int kBlack = 0;  // palette indexes: the only colours of a 1bpp image
constexpr int kWhite = 15;

struct Rgb {
  uint8_t r, g, b;
};
// The standard 16-colour VGA palette, in the order of the Windows system palette.
extern const Rgb kPalette[kPaletteSize];
extern const char* const kColourNames[kPaletteSize];

// One image of an icon: a square of palette indexes (or kTransparent), row 0 at the top.
struct Picture {
  int size = 32;
  int bitsPerPixel = 4;  // 4 (16 colours) or 1 (monochrome: black and white only)
  std::vector<int> pixels;
  bool png = false;  // drawn at a scale: stored in the .ico as a PNG, not as a DIB
  int At(int x, int y) const { return pixels[y * size + x]; }
};

// All images of one icon source, in the order the source gives them.
struct IconSource {
  std::vector<Picture> pictures;
};

// Reads an icon source. On failure returns false and sets *error to
// "<name>:<line>: <message>".
bool ParseIconSource(const std::string& text, const std::string& name, IconSource* icon, std::string* error);

// The sizes above 32 pixels that the programs' icon groups store: the others are shrunk
// from the next larger at run time.
std::vector<int> LargeStoredSizes();

// Adds an image of each size, drawn from the commands of the source's 32-pixel 16-colour
// image at that scale (size / 32), unless the source draws that size itself. A source
// without a 32-pixel 16-colour image gets none. Errors as ParseIconSource.
bool DrawAtScale(const std::string& text, const std::string& name, IconSource* icon, std::string* error,
                 const std::vector<int>& sizes = LargeStoredSizes());

// The bytes of a .ico file: one directory entry per image, then per image a DIB (XOR
// and AND mask), or a PNG for the images drawn at a scale.
std::vector<uint8_t> WriteIco(const IconSource& icon);

// A PNG file of the picture: 8-bit RGBA, transparent pixels with alpha 0.
std::vector<uint8_t> EncodePng(const Picture& picture);

// The gallery: every icon's images side by side with its label underneath.
struct GalleryItem {
  std::string label;
  IconSource icon;
};
struct RgbImage {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
};
RgbImage RenderGallery(const std::vector<GalleryItem>& items, int scale, int columns);
std::vector<uint8_t> EncodePpm(const RgbImage& image);

// "res/201-disc.icon" gives "201", "glyphkey2.icon" gives "GLYPHKEY2".
std::string LabelFromFileName(const std::string& path);

}  // namespace icondraw

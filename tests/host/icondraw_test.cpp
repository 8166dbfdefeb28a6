// The icon drawing tool: what the commands paint, the .ico bytes, and the errors it reports.
#include "icondraw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using icondraw::IconSource;
using icondraw::kTransparent;
using icondraw::Picture;

IconSource Parse(const std::string& text) {
  IconSource icon;
  std::string error;
  EXPECT_TRUE(icondraw::ParseIconSource(text, "t.icon", &icon, &error)) << error;
  return icon;
}

std::string ErrorOf(const std::string& text) {
  IconSource icon;
  std::string error;
  EXPECT_FALSE(icondraw::ParseIconSource(text, "t.icon", &icon, &error)) << text;
  return error;
}

// A picture as rows of palette characters, as a "pixels" block writes it.
std::string Rows(const Picture& p) {
  std::string out;
  for (int y = 0; y < p.size; ++y) {
    for (int x = 0; x < p.size; ++x) {
      int c = p.At(x, y);
      out += c == kTransparent ? '.' : "0123456789abcdef"[c];
    }
    out += '\n';
  }
  return out;
}

std::string Block(const std::string& text, int size = 16) {
  return "image " + std::to_string(size) + " 4bpp\n" + text;
}

unsigned U16(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8;
}
unsigned U32(const std::vector<uint8_t>& b, size_t at) {
  return U16(b, at) | U16(b, at + 2) << 16;
}

TEST(IconDrawCommands, RectanglesIncludeBothCornersAndClipAtTheEdge) {
  Picture p = Parse(Block("rect 1 1 3 2 red\nframe 10 10 12 12 blue\nrect 14 14 40 40 white\n")).pictures[0];
  EXPECT_EQ(Rows(p).substr(0, 3 * 17),
            "................\n"
            ".999............\n"
            ".999............\n");
  EXPECT_EQ(p.At(10, 10), 12);
  EXPECT_EQ(p.At(12, 12), 12);
  EXPECT_EQ(p.At(11, 11), kTransparent);  // a frame is hollow
  EXPECT_EQ(p.At(15, 15), 15);
}

TEST(IconDrawCommands, CirclesAreRoundAndRingsMeetTheirDisc) {
  Picture disc = Parse(Block("disc 7.5 7.5 3 lime\n")).pictures[0];
  Picture ring = Parse(Block("ring 7.5 7.5 3 lime\n")).pictures[0];
  int count = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      bool inDisc = disc.At(x, y) != kTransparent;
      count += inDisc;
      EXPECT_EQ(inDisc, disc.At(15 - x, y) != kTransparent) << x << "," << y;  // symmetric
      EXPECT_EQ(inDisc, disc.At(y, x) != kTransparent) << x << "," << y;
      EXPECT_TRUE(ring.At(x, y) == kTransparent || inDisc) << x << "," << y;
    }
  EXPECT_EQ(disc.At(5, 7), 10);  // centred between pixels: 2 r wide
  EXPECT_EQ(disc.At(4, 7), kTransparent);
  EXPECT_EQ(disc.At(4, 4), kTransparent);  // and the corners are cut
  EXPECT_EQ(ring.At(7, 7), kTransparent);
  EXPECT_GT(count, 28);
  EXPECT_LT(count, 44);
}

TEST(IconDrawCommands, LinesPolygonsAndArcs) {
  Picture p = Parse(Block("line 0 0 15 15 navy\nline 0 15 3 15 red 3\n"
                          "poly green 8 0 15 0 15 7\narc 7.5 7.5 7 white 80 100\n"))
                  .pictures[0];
  for (int i = 0; i < 8; ++i) EXPECT_EQ(p.At(i, i), 4);
  EXPECT_EQ(p.At(3, 14), 9);  // three pixels wide around the line
  EXPECT_EQ(p.At(1, 13), kTransparent);
  EXPECT_EQ(p.At(15, 7), 2);  // polygon corners are painted
  EXPECT_EQ(p.At(8, 0), 2);
  EXPECT_EQ(p.At(12, 2), 2);
  EXPECT_EQ(p.At(9, 5), kTransparent);
  EXPECT_EQ(p.At(7, 14), 15);  // the arc around 6 o'clock only
  EXPECT_EQ(p.At(7, 0), kTransparent);
  EXPECT_EQ(p.At(15, 8), kTransparent);
}

TEST(IconDrawCommands, PixelRowsOverlaysAndTransforms) {
  std::string rows;
  for (int y = 0; y < 16; ++y) rows += y == 2 ? "..9abcdef.......\n" : "1...............\n";
  IconSource icon =
      Parse(Block("pixels\n" + rows + "overlay 2 2 3 2\n-0-\n.--\n") + "image 16 1bpp\nfrom 1\n");
  const Picture& p = icon.pictures[0];
  EXPECT_EQ(Rows(p).substr(2 * 17, 17), "..90bcdef.......\n");
  EXPECT_EQ(p.At(2, 3), kTransparent);
  EXPECT_EQ(p.At(0, 15), 1);
  // The 1bpp copy: yellow, aqua and white become white; red, blue and fuchsia black.
  EXPECT_EQ(Rows(icon.pictures[1]).substr(2 * 17, 17), "..00f00ff.......\n");
  EXPECT_EQ(icon.pictures[1].At(0, 0), 0);

  Picture turned = Parse(Block("turn 90\nrect 0 0 15 1 red\n")).pictures[0];  // top edge to the right edge
  EXPECT_EQ(turned.At(15, 0), 9);
  EXPECT_EQ(turned.At(14, 15), 9);
  EXPECT_EQ(turned.At(0, 0), kTransparent);
  Picture moved = Parse(Block("dot 0 0 red\nshift 2 1\nreplace red blue\n")).pictures[0];
  EXPECT_EQ(moved.At(2, 1), 12);
  EXPECT_EQ(moved.At(0, 0), kTransparent);
  Picture clipped = Parse(Block("clip 7.5 7.5 2\nfill red\nclip off\ndot 0 0 white\n")).pictures[0];
  EXPECT_EQ(clipped.At(7, 7), 9);
  EXPECT_EQ(clipped.At(7, 3), kTransparent);
  EXPECT_EQ(clipped.At(0, 0), 15);
}

TEST(IconDrawIco, DirectoryAndImagesOfThreeKinds) {
  // A red pixel at the top left and a transparent one beside it, in every image.
  IconSource icon =
      Parse(Block("fill white\ndot 0 0 red\ndot 1 0 none\n", 32) +
            "image 32 1bpp\nfill white\ndot 0 0 black\ndot 1 0 none\n" + Block("fill blue\ndot 1 0 none\n"));
  std::vector<uint8_t> ico = icondraw::WriteIco(icon);
  const unsigned sizes[3] = {744, 304, 296};
  ASSERT_EQ(ico.size(), 6u + 3 * 16 + 744 + 304 + 296);
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);
  EXPECT_EQ(U16(ico, 4), 3u);
  unsigned offset = 6 + 3 * 16;
  const int dims[3] = {32, 32, 16}, bits[3] = {4, 1, 4}, colours[3] = {16, 2, 16};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const size_t e = 6 + 16 * i;
    EXPECT_EQ(ico[e], dims[i]);
    EXPECT_EQ(ico[e + 1], dims[i]);
    EXPECT_EQ(ico[e + 2], colours[i]);
    EXPECT_EQ(U16(ico, e + 4), 1u);
    EXPECT_EQ(U16(ico, e + 6), unsigned(bits[i]));
    EXPECT_EQ(U32(ico, e + 8), sizes[i]);
    EXPECT_EQ(U32(ico, e + 12), offset);
    // BITMAPINFOHEADER: height counts colour bits and mask.
    EXPECT_EQ(U32(ico, offset), 40u);
    EXPECT_EQ(U32(ico, offset + 4), unsigned(dims[i]));
    EXPECT_EQ(U32(ico, offset + 8), unsigned(2 * dims[i]));
    EXPECT_EQ(U16(ico, offset + 14), unsigned(bits[i]));
    offset += sizes[i];
  }
  // 32x32 4bpp: palette, then rows bottom up of 16 bytes, then the mask of 4 bytes a row.
  const size_t first = 6 + 48;
  EXPECT_EQ(U32(ico, first + 40 + 4 * 9), 0x00FF0000u);  // red is stored B, G, R, 0
  const size_t xor4 = first + 40 + 64, and4 = xor4 + 512;
  EXPECT_EQ(ico[xor4 + 31 * 16], 0x90);  // top row last; red, then transparent as 0
  EXPECT_EQ(ico[xor4 + 31 * 16 + 1], 0xFF);
  EXPECT_EQ(ico[xor4], 0xFF);
  EXPECT_EQ(ico[and4 + 31 * 4], 0x40);  // only the transparent pixel shows the screen
  EXPECT_EQ(ico[and4], 0x00);
  // 32x32 1bpp: black and white palette, white bits set, black and transparent clear.
  const size_t mono = first + 744;
  EXPECT_EQ(U32(ico, mono + 40), 0u);
  EXPECT_EQ(U32(ico, mono + 44), 0x00FFFFFFu);
  EXPECT_EQ(ico[mono + 48 + 31 * 4], 0x3F);
  EXPECT_EQ(ico[mono + 48 + 128 + 31 * 4], 0x40);
  // 16x16 4bpp: rows of 8 colour bytes, mask rows padded to 4 bytes.
  const size_t small = mono + 304;
  EXPECT_EQ(ico[small + 104 + 15 * 8], 0xC0);
  EXPECT_EQ(ico[small + 104 + 128 + 15 * 4], 0x40);
  EXPECT_EQ(ico[small + 104 + 128 + 15 * 4 + 2], 0x00);  // padding
}

TEST(IconDrawErrors, NameTheFileLineAndProblem) {
  const struct {
    const char* source;
    const char* message;
  } cases[] = {
      {"# nothing\n", "t.icon:1: no image"},
      {"fill red\n", "t.icon:1: 'fill' before the first 'image' line"},
      {"image 24 4bpp\n", "t.icon:1: an image is 16, 32 or 48 pixels square"},
      {"image 32 8bpp\n", "t.icon:1: the depth is 4bpp or 1bpp, not '8bpp'"},
      {"image 32 4bpp\n\nimage 32 4bpp\n", "t.icon:3: a second 32 4bpp image"},
      {"image 16 4bpp\nfill pink\n", "t.icon:2: 'pink' is no colour"},
      {"image 16 1bpp\n# mono\nfill red\n", "t.icon:3: a 1bpp image has only black, white and none"},
      {"image 16 4bpp\nrect 1 2 x 4 red\n", "t.icon:2: 'x' is not a number"},
      {"image 16 4bpp\nrect 1 2 3 red\n", "t.icon:2: usage: rect|frame X0 Y0 X1 Y1 COLOUR"},
      {"image 16 4bpp\nsplat 1 2\n", "t.icon:2: unknown command 'splat'"},
      {"image 16 4bpp\npoly red 1 1 2 2\n", "t.icon:2: usage: poly"},
      {"image 16 4bpp\npixels\n................\n.......\n",
       "t.icon:4: a pixel row needs 16 characters, this one has 7"},
      {"image 16 4bpp\npixels\n.......x........\n", "t.icon:3: 'x' is no pixel"},
      {"image 16 4bpp\npixels\n................\n", "t.icon:3: the source ends 15 pixel rows early"},
      {"image 16 1bpp\noverlay 0 0 2 1\n09\n",
       "t.icon:3: a 1bpp image has only black (0), white (f) and '.'"},
      {"image 16 4bpp\nfrom 1\n", "t.icon:2: 'from' names an earlier image"},
      {"image 32 4bpp\nimage 16 1bpp\nfrom 1\n", "t.icon:3: 'from' copies an image of the same size"},
  };
  for (const auto& c : cases) {
    std::string error = ErrorOf(c.source);
    EXPECT_EQ(error.substr(0, std::string(c.message).size()), c.message) << c.source;
  }
}

TEST(IconDrawGallery, LabelsAndLayout) {
  EXPECT_EQ(icondraw::LabelFromFileName("res/icons/201-disc.icon"), "201");
  EXPECT_EQ(icondraw::LabelFromFileName("glyphkey2.icon"), "GLYPHKEY2");
  std::vector<icondraw::GalleryItem> items(3);
  for (auto& item : items) {
    item.label = "A1";
    item.icon = Parse(Block("fill red\n"));
  }
  icondraw::RgbImage image = icondraw::RenderGallery(items, 2, 2);
  ASSERT_EQ(image.rgb.size(), 3u * image.width * image.height);
  EXPECT_EQ(image.height % 2, 0);  // two rows of equal cells
  const int cell = image.width / 2;
  // Each cell shows its 32-pixel square (16 at scale 2) in red, centred.
  auto at = [&](int x, int y) { return &image.rgb[3 * (y * image.width + x)]; };
  EXPECT_EQ(at(cell + cell / 2, 20)[0], 255);
  EXPECT_EQ(at(cell + cell / 2, 20)[1], 0);
  EXPECT_NE(at(0, 0)[1], 0);  // the background is light
  std::vector<uint8_t> ppm = icondraw::EncodePpm(image);
  EXPECT_EQ(std::string(ppm.begin(), ppm.begin() + 3), "P6\n");
  EXPECT_EQ(ppm.size() - image.rgb.size(),
            std::string("P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n")
                .size());
}

}  // namespace

// The icon drawing tool: what the commands paint, the .ico bytes, and the errors it reports.
#include "icondraw.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
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

// The source drawn again at 48, 64 and 96 pixels: at 64 and 96 every source pixel is a
// 2 by 2 or 3 by 3 block; at 48 the pixels tile the image 1 or 2 wide, without gaps, symmetric.
TEST(IconDrawScale, DrawsTheSourceAgainAt48And64And96) {
  const std::string source =
      "image 32 4bpp\nframe 0 0 31 31 black\nframe 1 1 30 30 olive\nrect 2 2 29 29 white\n"
      "line 2 29 29 29 gray\nline 29 2 29 29 gray\ndot 15 15 red\ndot 16 16 red\n"
      "disc 15.5 15.5 6 blue\nline 8 23 23 8 green 3\n"
      "image 32 1bpp\nfill black\n";
  IconSource icon = Parse(source);
  std::string error;
  ASSERT_TRUE(icondraw::DrawAtScale(source, "t.icon", &icon, &error, {48, 64, 96})) << error;
  ASSERT_EQ(icon.pictures.size(), 5u);  // the 1bpp image is not drawn again
  const Picture &p32 = icon.pictures[0], &p48 = icon.pictures[2], &p64 = icon.pictures[3],
                &p96 = icon.pictures[4];
  EXPECT_FALSE(p32.png);
  EXPECT_TRUE(p48.png && p64.png && p96.png);
  ASSERT_EQ(p48.size, 48);
  ASSERT_EQ(p64.size, 64);
  ASSERT_EQ(p96.size, 96);
  int differ = 0, differ96 = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) differ += p64.At(x, y) != p32.At(x / 2, y / 2);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x) differ96 += p96.At(x, y) != p32.At(x / 3, y / 3);
  // Only the disc's and the wide pen's edges may differ; a frame or line one pixel off
  // would differ along a whole side (64 or 96 pixels and more).
  EXPECT_LE(differ, 100) << Rows(p64);
  EXPECT_LE(differ96, 200) << Rows(p96);
  for (int x = 0; x < 64; ++x) EXPECT_EQ(p64.At(x, 1), 0) << x;  // the 1-pixel frame is 2 wide
  // At 48: frames, fill and shading meet without a transparent or skipped pixel.
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) ASSERT_NE(p48.At(x, y), kTransparent) << x << "," << y << "\n" << Rows(p48);
  EXPECT_EQ(p48.At(0, 0), 0);
  EXPECT_EQ(p48.At(47, 47), 0);
  EXPECT_EQ(p48.At(24, 2), 3);   // the olive frame inside the black one
  EXPECT_EQ(p48.At(44, 24), 8);  // the gray shading right inside the frames
  for (int y = 0; y < 48; ++y)   // the disc stays round: symmetric about the centre
    for (int x = 0; x < 48; ++x) EXPECT_EQ(p48.At(x, y) == 12, p48.At(47 - x, 47 - y) == 12) << x << "," << y;
  EXPECT_EQ(p48.At(18, 18), 12);

  // A size the source draws itself is kept as drawn; 'from' cannot be drawn at a scale.
  const std::string own = "image 32 4bpp\nfill red\nimage 48 4bpp\nfill blue\n";
  icon = Parse(own);
  ASSERT_TRUE(icondraw::DrawAtScale(own, "t.icon", &icon, &error, {48, 64, 96}));
  ASSERT_EQ(icon.pictures.size(), 4u);
  EXPECT_FALSE(icon.pictures[1].png);
  EXPECT_EQ(icon.pictures[1].At(0, 0), 12);
  EXPECT_EQ(icon.pictures[2].size, 64);
  // The programs' icons store one drawn size above 32, the 96 that every size between
  // is shrunk from; a size the source draws itself stays.
  icon = Parse(own);
  ASSERT_TRUE(icondraw::DrawAtScale(own, "t.icon", &icon, &error));
  ASSERT_EQ(icon.pictures.size(), 3u);
  EXPECT_EQ(icon.pictures[1].size, 48);
  EXPECT_EQ(icon.pictures[2].size, 96);
  const std::string copied = "image 32 1bpp\nfill white\nimage 32 4bpp\nfrom 1\n";
  icon = Parse(copied);
  EXPECT_FALSE(icondraw::DrawAtScale(copied, "t.icon", &icon, &error, {48}));
  EXPECT_EQ(error, "t.icon:4: 'from' copies pixels, which cannot be drawn at 48 pixels");
}

// A PNG image in the .ico: its directory entry says 32 bits, and the PNG inflates to
// the picture's pixels in RGBA, transparent ones with alpha 0.
TEST(IconDrawIco, PngImagesDecodeToThePicture) {
  const std::string source = "image 32 4bpp\nfill white\ndot 0 0 red\ndot 1 0 none\nline 0 31 31 0 blue\n";
  IconSource icon = Parse(source);
  std::string error;
  ASSERT_TRUE(icondraw::DrawAtScale(source, "t.icon", &icon, &error, {48, 64, 96}));
  std::vector<uint8_t> ico = icondraw::WriteIco(icon);
  ASSERT_EQ(U16(ico, 4), 4u);
  const size_t e = 6 + 16 * 2;  // the 64-pixel entry
  EXPECT_EQ(ico[e], 64);
  EXPECT_EQ(ico[e + 2], 0);
  EXPECT_EQ(U16(ico, e + 4), 1u);
  EXPECT_EQ(U16(ico, e + 6), 32u);
  const std::vector<uint8_t> png(ico.begin() + U32(ico, e + 12),
                                 ico.begin() + U32(ico, e + 12) + U32(ico, e + 8));
  EXPECT_EQ(png, icondraw::EncodePng(icon.pictures[2]));
  // The 96-pixel image follows it and ends the file.
  EXPECT_EQ(ico[e + 16], 96);
  ASSERT_EQ(U32(ico, e + 12) + U32(ico, e + 8), U32(ico, e + 16 + 12));
  ASSERT_EQ(U32(ico, e + 16 + 12) + U32(ico, e + 16 + 8), ico.size());

  // Chunks: IHDR (64 x 64, 8 bits, RGBA), IDAT, IEND, each with its CRC.
  const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_TRUE(std::equal(signature, signature + 8, png.begin()));
  auto big = [&](size_t at) {
    return uint32_t(png[at]) << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
  };
  std::vector<uint8_t> deflated;
  std::string types;
  for (size_t at = 8; at + 12 <= png.size(); at += 12 + big(at)) {
    const uint32_t length = big(at);
    ASSERT_LE(at + 12 + length, png.size());
    types += std::string(png.begin() + at + 4, png.begin() + at + 8) + " ";
    EXPECT_EQ(big(at + 8 + length), crc32(0, &png[at + 4], 4 + length)) << types;
    if (types == "IHDR ") {
      EXPECT_EQ(big(at + 8), 64u);
      EXPECT_EQ(big(at + 12), 64u);
      EXPECT_EQ(png[at + 16], 8);
      EXPECT_EQ(png[at + 17], 6);
    }
    if (types.substr(types.size() - 5) == "IDAT ")
      deflated.insert(deflated.end(), &png[at + 8], &png[at + 8] + length);
  }
  EXPECT_EQ(types, "IHDR IDAT IEND ");
  EXPECT_LT(png.size(), 64u * 64 * 4 / 8);  // compressed: flat colours shrink much

  std::vector<uint8_t> rows(64 * (1 + 64 * 4));
  uLongf size = rows.size();
  ASSERT_EQ(uncompress(rows.data(), &size, deflated.data(), deflated.size()), Z_OK);
  ASSERT_EQ(size, rows.size());
  // Undo each row's filter (none, sub, up, average, Paeth) into plain RGBA.
  const int stride = 64 * 4;
  std::vector<uint8_t> rgba(64 * stride);
  for (int y = 0; y < 64; ++y) {
    const int filter = rows[y * (stride + 1)];
    ASSERT_LE(filter, 4);
    for (int i = 0; i < stride; ++i) {
      int a = i >= 4 ? rgba[y * stride + i - 4] : 0, b = y ? rgba[(y - 1) * stride + i] : 0;
      int c = (y && i >= 4) ? rgba[(y - 1) * stride + i - 4] : 0, p = a + b - c;
      int paeth = std::abs(p - a) <= std::abs(p - b) && std::abs(p - a) <= std::abs(p - c) ? a
                  : std::abs(p - b) <= std::abs(p - c)                                     ? b
                                                                                           : c;
      const int predicted[5] = {0, a, b, (a + b) / 2, paeth};
      rgba[y * stride + i] = rows[y * (stride + 1) + 1 + i] + predicted[filter];
    }
  }
  const Picture& p = icon.pictures[2];
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const uint8_t* px = &rgba[y * stride + 4 * x];
      const int c = p.At(x, y);
      ASSERT_EQ(px[3], c == kTransparent ? 0 : 255) << x << "," << y;
      if (c == kTransparent) continue;
      const icondraw::Rgb& rgb = icondraw::kPalette[c];
      ASSERT_EQ(px[0] << 16 | px[1] << 8 | px[2], rgb.r << 16 | rgb.g << 8 | rgb.b) << x << "," << y;
    }
  EXPECT_EQ(p.At(0, 0), 9);  // the picture itself: red and transparent blocks of 2 by 2
  EXPECT_EQ(p.At(3, 1), kTransparent);
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

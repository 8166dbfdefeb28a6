// The files the tool writes: .ico files (DIB and PNG images) and the gallery, a PPM of
// every icon's images with its label underneath.
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "icondraw.h"

namespace icondraw {

namespace {

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

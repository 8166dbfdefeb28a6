// Icons at sizes their groups do not store: which stored image to start from, and that
// image shrunk to the size wanted. Pure arithmetic, shared by both deliverables.
#pragma once
#include <stdint.h>

namespace dpi {

// The square images the icon groups of the programs store: 32 pixels (16 where drawn) as
// a DIB that every Windows reads, 96 as a PNG. Every size between is shrunk from the 96:
// 48 and 64-pixel images of their own would cost a sixth of the launcher and show no
// better than the 96 shrunk by area averaging. (The launcher's own icon, which Explorer
// shows, keeps its hand-drawn 48 for Explorer; the programs make 48 from 96 too.)
const int kStoredIconSizes[] = {16, 32, 96};

// The stored image an icon of this size is made from: that size itself, else the next
// larger one, so that a picture is only ever scaled down (40 and 80 from 96 at 125 and
// 250 %); above the largest, the largest.
inline int SourceImageSize(int size) {
  for (int stored : kStoredIconSizes)
    if (stored >= size) return stored;
  return kStoredIconSizes[sizeof kStoredIconSizes / sizeof kStoredIconSizes[0] - 1];
}

// An image of an icon file or icon group: its side in pixels and its bits per pixel.
struct IconImage {
  int side, bits;
};

// Which of count images an icon of size pixels is made from, as the programs' own icons
// are (SourceImageSize): that size, else the next larger one, shrunk; only where every
// image is smaller, the largest, stretched. The most colours among images of one size.
// -1 for none.
inline int ChooseIconImage(const IconImage* images, int count, int size) {
  int best = -1;
  for (int i = 0; i < count; ++i) {
    if (best < 0) {
      best = i;
      continue;
    }
    const IconImage &a = images[i], &b = images[best];
    const bool aFits = a.side >= size, bFits = b.side >= size;
    if (aFits != bFits     ? aFits
        : a.side != b.side ? (aFits ? a.side < b.side : a.side > b.side)
                           : a.bits > b.bits)
      best = i;
  }
  return best;
}

// Shrinks a square ARGB image (0xAARRGGBB, rows top down) of `from` pixels to one of `to`
// pixels, to <= from. Each new pixel is the average of the source area it covers, each
// source pixel weighted by the part of it inside and by its alpha, so that transparent
// pixels lend no colour to the edges.
inline void ShrinkArgb(const uint32_t* source, int from, uint32_t* target, int to) {
  for (int ty = 0; ty < to; ++ty) {
    for (int tx = 0; tx < to; ++tx) {
      // The target pixel covers [tx * from, (tx + 1) * from) in units of 1/to source pixel.
      uint64_t sum[4] = {0, 0, 0, 0}, area = 0;
      const int x0 = tx * from, x1 = (tx + 1) * from, y0 = ty * from, y1 = (ty + 1) * from;
      for (int sy = y0 / to; sy * to < y1; ++sy) {
        const int h = (sy + 1) * to < y1 ? (sy + 1) * to - (sy * to > y0 ? sy * to : y0)
                                         : y1 - (sy * to > y0 ? sy * to : y0);
        for (int sx = x0 / to; sx * to < x1; ++sx) {
          const int w = (sx + 1) * to < x1 ? (sx + 1) * to - (sx * to > x0 ? sx * to : x0)
                                           : x1 - (sx * to > x0 ? sx * to : x0);
          const uint32_t p = source[sy * from + sx];
          const uint64_t weight = static_cast<uint64_t>(w) * h, alpha = p >> 24;
          sum[0] += weight * alpha;
          sum[1] += weight * alpha * ((p >> 16) & 0xFF);
          sum[2] += weight * alpha * ((p >> 8) & 0xFF);
          sum[3] += weight * alpha * (p & 0xFF);
          area += weight;
        }
      }
      uint32_t pixel = 0;
      if (sum[0]) {
        const uint32_t a = static_cast<uint32_t>((sum[0] + area / 2) / area);
        const uint32_t r = static_cast<uint32_t>((sum[1] + sum[0] / 2) / sum[0]);
        const uint32_t g = static_cast<uint32_t>((sum[2] + sum[0] / 2) / sum[0]);
        const uint32_t b = static_cast<uint32_t>((sum[3] + sum[0] / 2) / sum[0]);
        pixel = a << 24 | r << 16 | g << 8 | b;
      }
      target[ty * to + tx] = pixel;
    }
  }
}

}  // namespace dpi

// Finding the per-monitor DPI functions of user32 at run time, with the system DPI as
// the answer where they are missing.
#include "dpi_win32.h"

#include "icon_scale.h"

namespace dpi {
namespace {

typedef UINT(WINAPI* GetDpiForWindowFn)(HWND);
typedef int(WINAPI* GetSystemMetricsForDpiFn)(int, UINT);
typedef BOOL(WINAPI* AdjustWindowRectExForDpiFn)(RECT*, DWORD, BOOL, DWORD, UINT);

// Looked up once per name; a race between two threads only looks it up twice. No
// function-local statics: the library has no C runtime for their guards.
void* g_found[3];
bool g_looked[3];
const char* const kNames[3] = {"GetDpiForWindow", "GetSystemMetricsForDpi", "AdjustWindowRectExForDpi"};
enum { kGetDpiForWindow, kGetSystemMetricsForDpi, kAdjustWindowRectExForDpi };

void* Find(int which) {
  if (!g_looked[which]) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    g_found[which] = user32 ? reinterpret_cast<void*>(GetProcAddress(user32, kNames[which])) : nullptr;
    g_looked[which] = true;
  }
  return g_found[which];
}

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  int found = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return found > 0 ? found : kBaseDpi;
}

int WindowDpi(HWND window) {
  auto forWindow = reinterpret_cast<GetDpiForWindowFn>(Find(kGetDpiForWindow));
  UINT found = forWindow && window ? forWindow(window) : 0;
  return found ? static_cast<int>(found) : SystemDpi();
}

int MetricForDpi(int index, int dpi) {
  auto forDpi = reinterpret_cast<GetSystemMetricsForDpiFn>(Find(kGetSystemMetricsForDpi));
  if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
  return Rescale(GetSystemMetrics(index), SystemDpi(), dpi);
}

void AdjustRectForDpi(RECT* rect, DWORD style, DWORD exStyle, int dpi) {
  auto forDpi = reinterpret_cast<AdjustWindowRectExForDpiFn>(Find(kAdjustWindowRectExForDpi));
  if (forDpi && forDpi(rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
  AdjustWindowRectEx(rect, style, FALSE, exStyle);
}

namespace {

// The header of a square 32-bit top-down ARGB bitmap.
BITMAPINFO TopDownArgb(int size) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return info;
}

// A square bitmap's pixels as 32-bit top-down ARGB, into memory the caller frees.
uint32_t* ReadPixels(HDC dc, HBITMAP bitmap, int size) {
  uint32_t* pixels = static_cast<uint32_t*>(HeapAlloc(GetProcessHeap(), 0, size * size * 4));
  BITMAPINFO info = TopDownArgb(size);
  if (pixels && GetDIBits(dc, bitmap, 0, size, pixels, &info, DIB_RGB_COLORS) != size) {
    HeapFree(GetProcessHeap(), 0, pixels);
    return nullptr;
  }
  return pixels;
}

}  // namespace

HICON ShrinkIcon(HICON from, int size) {
  ICONINFO icon;
  if (size <= 0 || !GetIconInfo(from, &icon)) return nullptr;
  BITMAP colour = {};
  const int had = icon.hbmColor && GetObjectA(icon.hbmColor, sizeof colour, &colour) ? colour.bmWidth : 0;
  HICON made = nullptr;
  HDC screen = GetDC(nullptr);
  uint32_t* pixels = had >= size && colour.bmHeight == had ? ReadPixels(screen, icon.hbmColor, had) : nullptr;
  uint32_t* mask = pixels ? ReadPixels(screen, icon.hbmMask, had) : nullptr;
  BITMAPINFO info = TopDownArgb(size);
  void* bits = nullptr;
  ICONINFO shrunk = {TRUE, 0, 0, nullptr, nullptr};
  if (mask) shrunk.hbmColor = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  // The mask: set (transparent) where the picture covers less than half of a pixel.
  const int stride = (size + 15) / 16 * 2;
  BYTE* maskBits =
      bits ? static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, stride * size)) : nullptr;
  if (maskBits) {
    // An image without alpha (a 16-colour DIB) is opaque where its mask is black.
    bool alpha = false;
    for (int i = 0; i < had * had; i++) alpha = alpha || (pixels[i] >> 24) != 0;
    if (!alpha)
      for (int i = 0; i < had * had; i++) pixels[i] = (mask[i] & 0xFFFFFF) ? 0 : pixels[i] | 0xFF000000;
    uint32_t* out = static_cast<uint32_t*>(bits);
    ShrinkArgb(pixels, had, out, size);
    for (int y = 0; y < size; y++)
      for (int x = 0; x < size; x++)
        if ((out[y * size + x] >> 24) < 128) maskBits[y * stride + x / 8] |= 0x80 >> (x % 8);
    shrunk.hbmMask = CreateBitmap(size, size, 1, 1, maskBits);
    HeapFree(GetProcessHeap(), 0, maskBits);
    GdiFlush();
    if (shrunk.hbmMask) made = CreateIconIndirect(&shrunk);
  }
  if (shrunk.hbmColor) DeleteObject(shrunk.hbmColor);
  if (shrunk.hbmMask) DeleteObject(shrunk.hbmMask);
  if (pixels) HeapFree(GetProcessHeap(), 0, pixels);
  if (mask) HeapFree(GetProcessHeap(), 0, mask);
  ReleaseDC(nullptr, screen);
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  if (icon.hbmMask) DeleteObject(icon.hbmMask);
  return made;
}

HICON LoadIconAtSize(HMODULE module, int id, int size) {
  // Not LR_SHARED: a shared load hands back the icon of that resource already loaded,
  // whatever size is asked for.
  int source = SourceImageSize(size);
  HICON icon = (HICON)LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, source, source, 0);
  // Windows XP reads no PNG image (48 pixels and up): there the 32-pixel picture.
  if (!icon && source > 32)
    icon = (HICON)LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, source = 32, 32, 0);
  if (!icon || source <= size) return icon;
  HICON shrunk = ShrinkIcon(icon, size);
  if (!shrunk) return icon;  // stretched by whoever draws it, rather than nothing
  DestroyIcon(icon);
  return shrunk;
}

}  // namespace dpi

// Screen copies, launcher icons and the look of a menu button, for the hostile-disc
// and soak tests.
#include "hostile_screen.h"

#include "dpi_win32.h"

namespace hostile {

namespace {

// The focus rectangle is drawn inverted 5 pixels inside the button, across the
// icon; those two rows say nothing about the icon.
bool OnFocusRow(int y, int height) {
  return y == 5 || y == height - 6;
}

// The icon drawn on the face colour, as a button draws it: cx * cy colours.
bool RenderIcon(HICON icon, COLORREF face, int cx, int cy, COLORREF* out) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = -cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  DWORD* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, (void**)&bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  bool ok = dc && bitmap;
  if (ok) {
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, cx, cy};
    HBRUSH brush = CreateSolidBrush(face);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    if (icon) DrawIcon(dc, 0, 0, icon);
    GdiFlush();
    for (int i = 0; i < cx * cy; i++)
      out[i] = RGB((bits[i] >> 16) & 0xFF, (bits[i] >> 8) & 0xFF, bits[i] & 0xFF);
    SelectObject(dc, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (dc) DeleteDC(dc);
  return ok;
}

}  // namespace

ScreenCopy::~ScreenCopy() {
  Free();
}

void ScreenCopy::Free() {
  if (memory_) {
    if (old_) SelectObject(memory_, old_);
    DeleteDC(memory_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  memory_ = nullptr, bitmap_ = nullptr, old_ = nullptr, bits_ = nullptr;
}

bool ScreenCopy::Capture(const RECT& r) {
  Free();
  rect_ = r;
  int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = GetDC(nullptr);
  memory_ = CreateCompatibleDC(screen);
  bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, (void**)&bits_, nullptr, 0);
  bool ok = memory_ && bitmap_;
  if (ok) {
    old_ = SelectObject(memory_, bitmap_);
    ok = BitBlt(memory_, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != 0;
    GdiFlush();
  }
  ReleaseDC(nullptr, screen);
  return ok;
}

COLORREF ScreenCopy::At(int x, int y) const {
  x -= rect_.left, y -= rect_.top;
  int width = rect_.right - rect_.left, height = rect_.bottom - rect_.top;
  if (!bits_ || x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  DWORD p = bits_[y * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

LauncherIcons::LauncherIcons(const char* exePath)
    : module_(LoadLibraryExA(exePath, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

LauncherIcons::~LauncherIcons() {
  for (HICON icon : icons_)
    if (icon) DestroyIcon(icon);
  if (module_) FreeLibrary(module_);
}

HICON LauncherIcons::Icon(int number) {
  for (int i = 0; i < kSlots; i++)
    if (numbers_[i] == number) return icons_[i];
  if (!module_) return nullptr;
  HICON icon = dpi::LoadIconAtSize(module_, number, GetSystemMetrics(SM_CXICON));
  for (int i = 0; i < kSlots; i++)
    if (!numbers_[i]) {
      numbers_[i] = number;
      icons_[i] = icon;
      break;
    }
  return icon;
}

ButtonLook InspectButton(HWND button, HICON expected) {
  ButtonLook look = {};
  RECT r;
  if (!GetWindowRect(button, &r)) return look;
  ScreenCopy screen;
  if (!screen.Capture(r)) return look;
  int w = r.right - r.left, h = r.bottom - r.top;
  COLORREF frame = GetSysColor(COLOR_WINDOWFRAME), face = GetSysColor(COLOR_BTNFACE);
  look.frame = screen.At(r.left, r.top + h / 2) == frame && screen.At(r.right - 1, r.top + h / 2) == frame;
  // Row 4 lies below the two highlight lines and above the focus rectangle and caption.
  look.face = screen.At(r.left + w / 2, r.top + 4) == face;
  const int kMaxIcon = 64;
  int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
  if (cx > kMaxIcon || cy > kMaxIcon) return look;
  static COLORREF want[kMaxIcon * kMaxIcon];
  if (!RenderIcon(expected, face, cx, cy, want)) return look;
  // The icon's margin is 6 pixels at 96 dpi, scaled to the screen's DPI.
  HDC screenDc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screenDc, LOGPIXELSY);
  ReleaseDC(nullptr, screenDc);
  int left = r.left + MulDiv(6, dpi, 96), top = r.top + (h - cy) / 2;
  look.iconMatches = true;
  for (int y = 0; y < cy; y++) {
    if (OnFocusRow(top - r.top + y, h)) continue;
    for (int x = 0; x < cx; x++) {
      COLORREF got = screen.At(left + x, top + y);
      if (got != face) look.iconPresent = true;
      if (got != want[y * cx + x]) look.iconMatches = false;
    }
  }
  return look;
}

ButtonLook WaitForButtonLook(HWND button, HICON expected, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    ButtonLook look = InspectButton(button, expected);
    if (LooksRight(look, expected != nullptr) || GetTickCount() - start >= timeoutMs) return look;
    Sleep(50);
  }
}

}  // namespace hostile

// GlyphKey painting read back from the real window: frame, edges, icons and caption in every
// look and layout, the grayed look, focus rectangles by state, and no GDI leak over many paints.
#include <stdlib.h>
#include <string.h>

#include <initializer_list>

#include "dpi_win32.h"
#include "glyphkey_harness.h"

namespace {

HWND g_host;
const COLORREF kFace = RGB(0, 128, 0);       // green: no test icon uses it
const COLORREF kCaption = RGB(128, 0, 0);    // maroon: likewise
// Corner blocks (4 by 4) of the test icons tell where each icon starts and ends.
const COLORREF kUpFill = RGB(255, 0, 255), kUpTopLeft = RGB(0, 0, 128), kUpBottomRight = RGB(0, 255, 0);
const COLORREF kDownFill = RGB(0, 0, 255), kDownTopLeft = RGB(255, 255, 0), kDownBottomRight = RGB(0, 255, 255);

// The control's client area copied into memory, read pixel by pixel.
struct Picture {
  int w = 0, h = 0;
  COLORREF pixels[240 * 120];
  COLORREF At(int x, int y) const { return pixels[y * w + x]; }
};

void Capture(HWND control, Picture* picture) {
  RECT r;
  GetClientRect(control, &r);
  picture->w = r.right;
  picture->h = r.bottom;
  HDC dc = GetDC(control);
  SetLayout(dc, 0);  // the pixels as they are on the screen, also in a mirrored window
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x) picture->pixels[y * r.right + x] = GetPixel(dc, x, y);
  ReleaseDC(control, dc);
}

enum Part { kFrame, kShadow, kHighlight, kFacePart, kUp, kUpTL, kUpBR, kDown, kDownTL, kDownBR };
COLORREF ColourOf(Part part) {
  switch (part) {
    case kFrame: return GetSysColor(COLOR_WINDOWFRAME);
    case kShadow: return GetSysColor(COLOR_BTNSHADOW);
    case kHighlight: return GetSysColor(COLOR_BTNHIGHLIGHT);
    case kFacePart: return kFace;
    case kUp: return kUpFill;
    case kUpTL: return kUpTopLeft;
    case kUpBR: return kUpBottomRight;
    case kDown: return kDownFill;
    case kDownTL: return kDownTopLeft;
    case kDownBR: return kDownBottomRight;
  }
  return CLR_INVALID;
}
const char* NameOf(Part part) {
  static const char* const names[] = {"frame", "shadow", "highlight", "face", "up", "up top-left",
                                      "up bottom-right", "down", "down top-left", "down bottom-right"};
  return names[part];
}

struct Probe {
  int x, y;
  Part part;
};

enum Setup { kAsCreated, kPressed, kOn, kDisabled };

void Apply(HWND control, Setup setup) {
  switch (setup) {
    case kAsCreated: break;
    case kPressed: SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0); break;
    case kOn: SendMessageA(control, BM_SETCHECK, 1, 0); break;
    case kDisabled: EnableWindow(control, FALSE); break;
  }
  gk::Pump();
}

Picture g_picture;

// The box in which every caption pixel must lie, and where its centre is (-1: not checked).
struct CaptionBox {
  int left, top, right, bottom;
  int centreX, centreY;
};

// Bounding box of the pixels in one colour; false if there are none.
bool BoundsOf(const Picture& p, COLORREF colour, RECT* box) {
  *box = RECT{p.w, p.h, -1, -1};
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x)
      if (p.At(x, y) == colour) {
        if (x < box->left) box->left = x;
        if (y < box->top) box->top = y;
        if (x + 1 > box->right) box->right = x + 1;
        if (y + 1 > box->bottom) box->bottom = y + 1;
      }
  return box->right > 0;
}

void CheckCaption(const Picture& p, COLORREF colour, const CaptionBox& want) {
  RECT box;
  CHECK(BoundsOf(p, colour, &box));
  if (box.left < want.left || box.top < want.top || box.right > want.right || box.bottom > want.bottom)
    printf("  caption at (%ld, %ld, %ld, %ld), allowed (%d, %d, %d, %d)\n", box.left, box.top, box.right,
           box.bottom, want.left, want.top, want.right, want.bottom);
  CHECK(box.left >= want.left);
  CHECK(box.top >= want.top);
  CHECK(box.right <= want.right);
  CHECK(box.bottom <= want.bottom);
  if (want.centreX >= 0) CHECK(abs((box.left + box.right) / 2 - want.centreX) <= 2);
  if (want.centreY >= 0) CHECK(abs((box.top + box.bottom) / 2 - want.centreY) <= 2);
}

HWND MakeControl(const char* text, DWORD style, int w, int h) {
  HWND control = gk::CreateControl(g_host, text, gk::kChildStyle | style, 10, 10, w, h, 50);
  SendMessageA(control, GKM_SETBKCOLOR, 0, kFace);
  SendMessageA(control, GKM_SETTEXTCOLOR, 0, kCaption);
  InvalidateRect(control, nullptr, TRUE);
  return control;
}

void CheckProbe(const Picture& p, Probe probe) {
  if (probe.x < 0 || probe.y < 0 || probe.x >= p.w || probe.y >= p.h) return;  // clipped away
  COLORREF got = p.At(probe.x, probe.y), want = ColourOf(probe.part);
  if (got != want) printf("  (%d, %d) should be %s\n", probe.x, probe.y, NameOf(probe.part));
  CHECK_EQ(got, want);
}

// The caption's text height in the font a paint device context starts with.
int g_t;
int TextHeight(HWND window) {
  HDC dc = GetDC(window);
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  ReleaseDC(window, dc);
  return tm.tmHeight;
}

// The icon's corners, and the face just outside them, from the icon position rules.
void CheckIcon(const Picture& p, bool down, int x, int y) {
  CheckProbe(p, {x, y, down ? kDownTL : kUpTL});
  CheckProbe(p, {x + 31, y + 31, down ? kDownBR : kUpBR});
  CheckProbe(p, {x + 4, y + 4, down ? kDown : kUp});
  CheckProbe(p, {x - 1, y + 8, kFacePart});
  CheckProbe(p, {x + 32, y + 8, kFacePart});
  if (y - 1 > 4) CheckProbe(p, {x + 8, y - 1, kFacePart});  // not where the edges are
}

enum Layout { kBelow, kLeft, kWrapped };

struct LookCase {
  const char* name;
  const char* text;
  DWORD style;
  int w, h;
  Setup setup;
  int o;        // content offset of the look
  bool down;    // the look shows the down icon
  Layout layout;
  std::initializer_list<Probe> edges;
};

void TestLooks() {
  const LookCase cases[] = {
      {"raised", "OK@PAINTUP@PAINTDOWN", 0, 64, 48, kAsCreated, 0, false, kBelow,
       {{0, 20, kFrame}, {63, 20, kFrame}, {8, 0, kFrame}, {20, 47, kFrame}, {1, 20, kHighlight},
        {2, 20, kHighlight}, {8, 1, kHighlight}, {8, 2, kHighlight}, {62, 20, kShadow}, {8, 46, kShadow},
        {3, 20, kFacePart}, {60, 20, kFacePart}}},
      {"pressed", "OK@PAINTUP@PAINTDOWN", 0, 64, 48, kPressed, 2, true, kBelow,
       {{0, 20, kFrame}, {63, 20, kFrame}, {2, 20, kShadow}, {8, 2, kShadow}, {62, 20, kFacePart},
        {8, 46, kFacePart}, {3, 20, kFacePart}}},
      {"on", "OK@PAINTUP@PAINTDOWN", 0, 64, 48, kOn, 1, true, kBelow,
       {{0, 20, kFrame}, {1, 20, kShadow}, {8, 1, kShadow}, {2, 20, kFacePart}, {8, 2, kFacePart},
        {62, 20, kFacePart}}},
      {"default push button", "OK@PAINTUP@PAINTDOWN", BS_DEFPUSHBUTTON, 64, 48, kAsCreated, 0, false, kBelow,
       {{1, 20, kFrame}, {8, 1, kFrame}, {63, 20, kFrame}, {2, 20, kHighlight}, {3, 20, kHighlight},
        {8, 3, kHighlight}, {61, 20, kShadow}, {8, 45, kShadow}, {4, 20, kFacePart}, {59, 20, kFacePart}}},
      {"default push button pressed", "OK@PAINTUP@PAINTDOWN", BS_DEFPUSHBUTTON, 64, 48, kPressed, 2, true, kBelow,
       {{1, 20, kFrame}, {3, 20, kShadow}, {8, 3, kShadow}, {61, 20, kFacePart}, {4, 20, kFacePart}}},
      {"left layout", "Left caption@PAINTUP@PAINTDOWN", BS_LEFT, 200, 40, kAsCreated, 0, false, kLeft,
       {{1, 20, kHighlight}, {197, 20, kShadow}}},
      {"left layout pressed", "Left caption@PAINTUP@PAINTDOWN", BS_LEFT, 200, 40, kPressed, 2, true, kLeft,
       {{2, 20, kShadow}, {197, 20, kFacePart}}},
      {"no caption", "@PAINTUP", 0, 64, 48, kAsCreated, 0, false, kBelow, {{62, 20, kShadow}}},
      // The halves truncate toward zero: x = (31 - 32) / 2 = 0, y = (20 - t - 32) / 2 < 0.
      {"icon larger than the control", "Tiny@PAINTUP", 0, 31, 20, kAsCreated, 0, false, kBelow, {}},
      {"icon larger, pressed", "T@PAINTUP@PAINTDOWN", 0, 25, 20, kPressed, 2, true, kBelow, {}},
  };
  const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
  CHECK_EQ(cx, 32);
  CHECK_EQ(cy, 32);
  for (const LookCase& c : cases) {
    TEST_CASE(c.name);
    HWND control = MakeControl(c.text, c.style, c.w, c.h);
    Apply(control, c.setup);
    Capture(control, &g_picture);
    for (const Probe& probe : c.edges) CheckProbe(g_picture, probe);
    const char* at = strchr(c.text, '@');
    int t = at == c.text ? 0 : g_t;
    int o = c.o, w = c.w, h = c.h;
    if (c.layout == kLeft) CheckIcon(g_picture, c.down, o + 6, o + (h - cy) / 2);
    else CheckIcon(g_picture, c.down, o + (w - cx) / 2, o + (h - t - cy) / 2);
    if (t == 0) {
      RECT box;
      CHECK(!BoundsOf(g_picture, kCaption, &box));
    } else if (c.layout == kLeft) {
      CheckCaption(g_picture, kCaption, {o + 2, 0, w - 2, h + o, (o + w) / 2, (h + o) / 2});
    } else {
      int bottom = h + o - 6;
      CheckCaption(g_picture, kCaption, {o + 2, bottom - t, w - 2, bottom, (o + w) / 2, -1});
    }
    DestroyWindow(control);
  }
}

// Bounding box of the pixels in one colour inside (x0, y0)-(x1, y1), exclusive.
bool BoundsIn(const Picture& p, COLORREF colour, int x0, int y0, int x1, int y1, RECT* box) {
  *box = RECT{x1, y1, -1, -1};
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (p.At(x, y) == colour) {
        if (x < box->left) box->left = x;
        if (y < box->top) box->top = y;
        if (x + 1 > box->right) box->right = x + 1;
        if (y + 1 > box->bottom) box->bottom = y + 1;
      }
  return box->right > 0;
}

// The exported output procedure draws the icon at the origin of GrayStringA's monochrome
// bitmap; what it draws in white comes out in the brush, dithered, at GrayStringA's position.
void TestGrayIcon(HMODULE lib) {
  TEST_CASE("GrayIcon");
  auto grayIcon = reinterpret_cast<GRAYSTRINGPROC>(reinterpret_cast<void*>(GetProcAddress(lib, "GrayIcon")));
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), "GRAYTEST");
  HWND control = MakeControl("", 0, 100, 80);  // just a surface to draw on
  gk::Pump();
  HDC dc = GetDC(control);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  CHECK(GrayStringA(dc, red, grayIcon, reinterpret_cast<LPARAM>(icon), 1, 30, 20, 32, 32));
  CHECK_EQ(grayIcon(dc, reinterpret_cast<LPARAM>(icon), 12345), TRUE);  // the count is ignored
  ReleaseDC(control, dc);
  DeleteObject(red);
  Capture(control, &g_picture);
  RECT box;
  CHECK(BoundsIn(g_picture, RGB(255, 0, 0), 0, 0, 100, 80, &box));
  CHECK(box.left >= 38 && box.left <= 39);
  CHECK(box.top >= 28 && box.top <= 29);
  CHECK(box.right >= 53 && box.right <= 54);
  CHECK(box.bottom >= 43 && box.bottom <= 44);
  // The direct call drew the icon itself at the device context's origin.
  CHECK_EQ(g_picture.At(0, 0), RGB(0, 0, 128));
  CHECK_EQ(g_picture.At(31, 31), RGB(0, 0, 128));
  CHECK_EQ(g_picture.At(16, 16), RGB(255, 255, 255));
  CHECK(g_picture.At(32, 32) != RGB(0, 0, 128));
  DestroyWindow(control);
}

// Disabled: edges by look, the icon grayed through GrayStringA, the caption in the gray text
// colour. The control is 64 by 64 so that icon and caption do not overlap.
void TestDisabled() {
  const COLORREF gray = GetSysColor(COLOR_GRAYTEXT);
  const COLORREF navy = RGB(0, 0, 128);
  const struct {
    const char* name;
    DWORD style;
    Setup look, disable;
  } cases[] = {
      {"disabled", 0, kAsCreated, kDisabled},
      {"disabled, on", 0, kOn, kDisabled},
      // No WM_ENABLE comes to a window created disabled: its first paint is already gray.
      {"created disabled", WS_DISABLED, kAsCreated, kAsCreated},
  };
  for (const auto& c : cases) {
    TEST_CASE(c.name);
    HWND control = MakeControl("OK@GRAYTEST@GRAYTEST", c.style, 64, 64);
    Apply(control, c.look);
    Apply(control, c.disable);
    CHECK(!gk::HasPendingPaint(control));  // WM_ENABLE redraws at once
    Capture(control, &g_picture);
    int o = c.look == kOn ? 1 : 0;
    if (c.look == kOn)
      CheckProbe(g_picture, {1, 20, kShadow}), CheckProbe(g_picture, {2, 20, kFacePart});
    else CheckProbe(g_picture, {1, 20, kHighlight}), CheckProbe(g_picture, {62, 20, kShadow});
    RECT box;
    // GrayStringA without a brush grays with the brush selected in the device context, the
    // face brush: the grayed icon leaves the face as it is (GrayIcon itself is tested above).
    int x = o + 16, y = o + (64 - g_t - 32) / 2;
    int bottom = 64 + o - 6;
    for (COLORREF colour : {navy, RGB(255, 255, 255), gray})
      CHECK(!BoundsIn(g_picture, colour, x - 4, y - 4, x + 36, bottom - g_t, &box));
    // The caption in the gray text colour, at its place below the icon.
    CHECK(!BoundsOf(g_picture, kCaption, &box));
    CHECK(BoundsIn(g_picture, gray, 3, y + 32, 61, 61, &box));
    CHECK(box.top >= bottom - g_t);
    CHECK(box.bottom <= bottom);
    CHECK(abs((box.left + box.right) / 2 - (o + 64) / 2) <= 2);
    // Enabled again: the icon's own colours and the caption colour, at once.
    EnableWindow(control, TRUE);
    Capture(control, &g_picture);
    CHECK_EQ(g_picture.At(x, y), navy);
    CHECK_EQ(g_picture.At(x + 31, y + 31), navy);
    CheckCaption(g_picture, kCaption, {o + 2, bottom - g_t, 62, bottom, (o + 64) / 2, -1});
    DestroyWindow(control);
  }
}

// Without icons the caption wraps at word breaks and is centred both ways; one word too wide
// for the control stays whole and is not clipped to the caption rectangle.
void TestCaptionWithoutIcons() {
  TEST_CASE("wrapped caption");
  HWND control = MakeControl("Alpha Beta Gamma", 0, 50, 80);
  gk::Pump();
  Capture(control, &g_picture);
  RECT box;
  CHECK(BoundsOf(g_picture, kCaption, &box));
  CHECK(box.bottom - box.top > g_t);  // more than one line
  CHECK(box.left >= 2);
  CHECK(box.right <= 48);
  CHECK(abs((box.top + box.bottom) / 2 - 40) <= 3);
  CHECK(abs((box.left + box.right) / 2 - 25) <= 3);
  CHECK(gk::UpIcon(control) == nullptr);
  // Pressed, the block moves right and down with the look's offset.
  Apply(control, kPressed);
  Capture(control, &g_picture);
  RECT pressed;
  CHECK(BoundsOf(g_picture, kCaption, &pressed));
  CHECK_EQ(pressed.top - box.top, 1);  // (80 + 2 - b) / 2 moves by half the offset
  CHECK(pressed.left >= box.left);
  DestroyWindow(control);

  TEST_CASE("one word wider than the control");
  control = MakeControl("Extraordinarily", 0, 40, 40);
  gk::Pump();
  Capture(control, &g_picture);
  CHECK(BoundsOf(g_picture, kCaption, &box));
  CHECK(box.left < 2);
  CHECK(box.right > 38);
  CHECK(box.bottom - box.top <= g_t);  // one line
  CHECK(abs((box.top + box.bottom) / 2 - 20) <= 3);
  DestroyWindow(control);
}

void TestSystemColours() {
  TEST_CASE("system colours by default and restored");
  HWND control = gk::CreateControl(g_host, "OK@PAINTUP", gk::kChildStyle, 10, 10, 64, 48, 51);
  gk::Pump();
  CHECK_COLOUR(control, 5, 20, GetSysColor(COLOR_BTNFACE));
  RECT box;
  Capture(control, &g_picture);
  CHECK(BoundsOf(g_picture, GetSysColor(COLOR_BTNTEXT), &box));
  SendMessageA(control, GKM_SETBKCOLOR, 0, kFace);
  SendMessageA(control, GKM_SETTEXTCOLOR, 0, kCaption);
  CHECK_COLOUR(control, 5, 20, GetSysColor(COLOR_BTNFACE));  // no redraw until asked
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  CHECK_COLOUR(control, 5, 20, kFace);
  SendMessageA(control, GKM_SETBKCOLOR, 0, GKM_SYSTEMCOLOR);
  SendMessageA(control, GKM_SETTEXTCOLOR, 0, GKM_SYSTEMCOLOR);
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  CHECK_COLOUR(control, 5, 20, GetSysColor(COLOR_BTNFACE));
  Capture(control, &g_picture);
  CHECK(!BoundsOf(g_picture, kCaption, &box));
  DestroyWindow(control);
}

// A contrast theme as Windows 10 and 11 may leave it: the 3-D colours equal to the face.
// Wine cannot switch a contrast theme on, so the colours are set directly; the control
// must still show an outline, and the pressed look must still differ from the raised one.
void TestContrastColours() {
  TEST_CASE(
      "contrast colours: outline in the text colour, pressed in the highlight pair, host colours ignored");
  const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kCyan = RGB(26, 235, 255);
  const int elements[] = {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_WINDOWFRAME,
                          COLOR_BTNTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
  const COLORREF contrast[] = {kBlack, kBlack, kBlack, kBlack, kWhite, kCyan, kBlack};
  COLORREF saved[7];
  for (int i = 0; i < 7; ++i) saved[i] = GetSysColor(elements[i]);
  CHECK(SetSysColors(7, elements, contrast));
  HWND control = MakeControl("OK@PAINTUP@PAINTDOWN", BS_PUSHBUTTON, 64, 48);
  gk::Pump();
  Capture(control, &g_picture);
  CHECK_EQ(g_picture.At(0, 20), kWhite);  // the outline
  CHECK_EQ(g_picture.At(5, 20), kBlack);  // the theme's face, not the host's green
  int captionPixels = 0;                  // white inside the outline, below the icon
  for (int y = 34; y < 46; ++y)
    for (int x = 4; x < 60; ++x) captionPixels += g_picture.At(x, y) == kWhite;
  CHECK(captionPixels > 0);
  RECT box;
  CHECK(!BoundsOf(g_picture, kCaption, &box));
  Apply(control, kPressed);
  Capture(control, &g_picture);
  CHECK_EQ(g_picture.At(0, 20), kWhite);
  CHECK_EQ(g_picture.At(2, 20), kBlack);  // the shadow edge in the highlight's text colour
  CHECK_EQ(g_picture.At(5, 20), kCyan);
  SendMessageA(control, WM_KEYUP, VK_SPACE, 0);
  CHECK(SetSysColors(7, elements, saved));
  gk::Pump();
  // The colours put back: the host's face again, at the repaint the change brings.
  CHECK_COLOUR(control, 5, 20, kFace);
  CHECK_COLOUR(control, 0, 20, GetSysColor(COLOR_WINDOWFRAME));
  DestroyWindow(control);
}

// Focus rectangles by state: the pixels that focusing changes lie on the expected rectangle.
struct FocusCase {
  const char* name;
  DWORD style;
  Setup first, second;
  RECT want;  // for 64 by 48
};

int Changed(const Picture& a, const Picture& b, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) n += a.At(x, y) != b.At(x, y);
  return n;
}

Picture g_before;
bool Same(const Picture& a, const Picture& b) { return Changed(a, b, 0, 0, a.w - 1, a.h - 1) == 0; }

void TestFocusRectangles() {
  const FocusCase cases[] = {
      {"focus raised", 0, kAsCreated, kAsCreated, {5, 5, 59, 43}},
      {"focus default", BS_DEFPUSHBUTTON, kAsCreated, kAsCreated, {5, 5, 59, 43}},
      {"focus on", 0, kOn, kAsCreated, {6, 6, 60, 44}},
      {"focus on, default", BS_DEFPUSHBUTTON, kOn, kAsCreated, {6, 6, 60, 44}},
      {"focus pressed", 0, kPressed, kAsCreated, {7, 7, 61, 45}},
      {"focus pressed and on", 0, kOn, kPressed, {7, 7, 61, 45}},
      {"focus disabled", 0, kDisabled, kAsCreated, {5, 5, 59, 43}},
      {"focus disabled and on", 0, kOn, kDisabled, {5, 5, 59, 43}},
  };
  for (const FocusCase& c : cases) {
    TEST_CASE(c.name);
    HWND control = MakeControl("OK@PAINTUP@PAINTDOWN", c.style, 64, 48);
    Apply(control, c.first);
    Apply(control, c.second);
    Capture(control, &g_before);
    // WM_SETFOCUS draws it straight on a window device context (a disabled window gets no
    // SetFocus, so the message is sent as the window system would).
    SendMessageA(control, WM_SETFOCUS, 0, 0);
    Capture(control, &g_picture);
    const RECT& r = c.want;
    int mid0 = r.top + 4, mid1 = r.bottom - 5;
    CHECK(Changed(g_before, g_picture, r.left, mid0, r.left, mid1) > 0);
    CHECK(Changed(g_before, g_picture, r.right - 1, mid0, r.right - 1, mid1) > 0);
    CHECK(Changed(g_before, g_picture, r.left + 4, r.top, 14, r.top) > 0);
    CHECK(Changed(g_before, g_picture, r.left + 4, r.bottom - 1, 14, r.bottom - 1) > 0);
    CHECK_EQ(Changed(g_before, g_picture, r.left - 1, mid0, r.left - 1, mid1), 0);
    CHECK_EQ(Changed(g_before, g_picture, r.left + 1, mid0, r.left + 1, mid1), 0);
    CHECK_EQ(Changed(g_before, g_picture, r.right, mid0, r.right, mid1), 0);
    CHECK_EQ(Changed(g_before, g_picture, r.left + 4, r.top - 1, 14, r.top - 1), 0);
    CHECK_EQ(Changed(g_before, g_picture, r.left + 4, r.bottom, 14, r.bottom), 0);
    // A full repaint draws the same rectangle once; losing the focus inverts it away.
    Picture* focused = new Picture(g_picture);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Capture(control, &g_picture);
    CHECK(Same(g_picture, *focused));
    SendMessageA(control, WM_KILLFOCUS, 0, 0);
    Capture(control, &g_picture);
    CHECK(Same(g_picture, g_before));
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Capture(control, &g_picture);
    CHECK(Same(g_picture, g_before));
    delete focused;
    DestroyWindow(control);
  }
}

// Every paint creates and deletes its own pens and brush. A process has room for some ten
// thousand GDI objects; far more paints than that on one control must leave the pixels right
// (a leak would exhaust the table and the pens would fail) and the object count unchanged
// where the system counts (Wine answers 0).
void TestNoLeak() {
  TEST_CASE("many paints");
  HWND control = MakeControl("OK@PAINTUP@PAINTDOWN", BS_DEFPUSHBUTTON, 64, 48);
  SetFocus(control);
  gk::Pump();
  Capture(control, &g_before);
  DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 6000; ++i) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0);
    UpdateWindow(control);
    SendMessageA(control, WM_KEYUP, VK_SPACE, 0);
    UpdateWindow(control);
    SendMessageA(control, BM_SETCHECK, i & 1, 0);
    SendMessageA(control, WM_ENABLE, i & 1, 0);
  }
  SendMessageA(control, BM_SETCHECK, 0, 0);
  SendMessageA(control, WM_ENABLE, 1, 0);
  gk::Pump();
  if (objects) CHECK_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects);
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(1, 2, 3));
  CHECK(pen != nullptr);
  DeleteObject(pen);
  Capture(control, &g_picture);
  CHECK(Same(g_picture, g_before));
  CheckProbe(g_picture, {1, 20, kFrame});
  CheckProbe(g_picture, {2, 20, kHighlight});
  CheckProbe(g_picture, {61, 20, kShadow});
  CheckIcon(g_picture, false, 16, (48 - g_t - 32) / 2);
  DestroyWindow(control);
}

// A process out of GDI objects: all but a few taken, so that the frame pen, the face brush or
// an edge pen of a paint cannot be made (which one depends on what the window system itself
// takes first, hence several rounds). The paint draws what it can: no edge in the frame pen's
// colour or the device context's own black pen, and no object kept after it.
HGDIOBJ g_hoard[70000];
int Hoard() {
  int n = 0;
  while (n < 70000 && (g_hoard[n] = CreatePen(PS_SOLID, 1, RGB(1, 2, 3)))) n++;
  return n;
}
void FreeHoard(int from, int to) {
  for (int i = from; i < to; ++i) DeleteObject(g_hoard[i]);
}

void TestOutOfObjects() {
  HWND control = MakeControl("OK@PAINTUP@PAINTDOWN", 0, 64, 48);
  gk::Pump();
  Capture(control, &g_before);
  int room = Hoard();
  FreeHoard(0, room);
  for (int left = 0; left <= 6; ++left) {
    TEST_CASE("out of GDI objects");
    int taken = Hoard();
    FreeHoard(taken - left, taken);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    FreeHoard(0, taken - left);
    Capture(control, &g_picture);
    int wrong = 0;
    for (int y = 1; y < g_picture.h - 1; ++y)
      for (int x = 1; x < g_picture.w - 1; ++x)
        wrong += g_picture.At(x, y) == GetSysColor(COLOR_WINDOWFRAME) || g_picture.At(x, y) == RGB(0, 0, 0);
    if (wrong) printf("  %d objects left: %d pixels in the frame or black pen's colour\n", left, wrong);
    CHECK_EQ(wrong, 0);
    int again = Hoard();
    FreeHoard(0, again);
    CHECK_EQ(again, room);
  }
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Capture(control, &g_picture);
  CHECK(Same(g_picture, g_before));
  DestroyWindow(control);
}

void Repaint(HWND control) {
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Capture(control, &g_picture);
}

// Captions in any script come with GKM_SETTEXTW. One that the system font can draw looks
// exactly as its ANSI form; one it cannot is drawn in another font, never as "?". In a
// window laid out right to left the control is mirrored, its icon at the right edge, but
// the icon's picture is not.
void TestScriptsAndDirection() {
  TEST_CASE("a caption of the ANSI code page: the same pixels from GKM_SETTEXT and GKM_SETTEXTW");
  wchar_t wide[64] = L"Caf\u00e9 &Start@PAINTUP";
  char ansi[64];
  WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr);
  HWND control = MakeControl("", BS_LEFT, 200, 40);
  SendMessageA(control, GKM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansi));
  Repaint(control);
  g_before = g_picture;
  SendMessageW(control, GKM_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide));
  Repaint(control);
  CHECK(Same(g_picture, g_before));

  const struct {
    const char* script;
    const wchar_t* caption;
  } scripts[] = {{"Cyrillic", L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},
                 {"Greek", L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac"},
                 {"Arabic", L"\u0627\u0644\u0639\u0631\u0628\u064a\u0629"},
                 {"Devanagari", L"\u0939\u093f\u0928\u094d\u0926\u0940"}};
  for (const auto& s : scripts) {
    TEST_CASE(s.script);
    char questions[16] = "???????";
    questions[lstrlenW(s.caption)] = '\0';
    wchar_t text[32];
    lstrcpyW(text, s.caption);
    lstrcatW(text, L"@PAINTUP");
    SendMessageA(control, GKM_SETTEXT, 0, reinterpret_cast<LPARAM>(lstrcatA(questions, "@PAINTUP")));
    Repaint(control);
    g_before = g_picture;
    SendMessageW(control, GKM_SETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    Repaint(control);
    CheckCaption(g_picture, kCaption, {2, 0, 198, 40, -1, 20});
    CHECK(Changed(g_picture, g_before, 40, 0, 199, 39) > 0);
    CheckIcon(g_picture, false, 6, 4);
  }
  DestroyWindow(control);

  TEST_CASE("right to left: mirrored, the icon at the right edge and not mirrored");
  HWND host = CreateWindowExA(WS_EX_LAYOUTRTL, "GlyphKeyTestHost", "RTL", WS_POPUP | WS_VISIBLE, 440, 20, 220,
                              60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  control = gk::CreateControl(host, "", gk::kChildStyle | BS_LEFT, 10, 10, 200, 40, 51);
  CHECK((GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0);  // inherited
  SendMessageA(control, GKM_SETBKCOLOR, 0, kFace);
  SendMessageA(control, GKM_SETTEXTCOLOR, 0, kCaption);
  wchar_t arabic[] = L"\u0627\u0644\u0639\u0631\u0628\u064a\u0629 (64-bit)@PAINTUP@PAINTDOWN";
  SendMessageW(control, GKM_SETTEXTW, 0, reinterpret_cast<LPARAM>(arabic));
  Repaint(control);
  // Its corner blocks where the icon's own are, 6 pixels from the right edge (Wine's mirror
  // of a picture lies one pixel further left than that of a line).
  RECT topLeft, bottomRight;
  CHECK(BoundsOf(g_picture, kUpTopLeft, &topLeft) && BoundsOf(g_picture, kUpBottomRight, &bottomRight));
  CHECK(abs(bottomRight.right - (200 - 6)) <= 1);
  CHECK_EQ(bottomRight.right - topLeft.left, 32);
  CHECK_EQ(topLeft.top, 4);
  CHECK_EQ(bottomRight.bottom, 4 + 32);
  CheckProbe(g_picture, {198, 20, kHighlight});  // the edges are mirrored with the window
  CheckProbe(g_picture, {1, 20, kShadow});
  CheckCaption(g_picture, kCaption, {2, 0, 198, 40, -1, 20});
  DestroyWindow(host);
}

}  // namespace

// An icon drawn by DrawIconEx at its own size onto a white memory bitmap, read back.
COLORREF DrawnPixel(HICON icon, int size, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all = {0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return c;
}

// Sizes between the stored images are shrunk from the next larger one: the test up icon
// (4-pixel corner blocks at 32, 12 at 96) keeps its flat colours exactly and its blocks
// in proportion, from a PNG image with alpha (96 to 80) and from a 16-colour DIB whose
// mask stands for the alpha (32 to 16).
void TestShrunkIcons() {
  struct Case {
    int from, to, block;  // the corner block's width in the shrunk icon
  } cases[] = {{96, 80, 10}, {32, 16, 2}};
  for (const Case& c : cases) {
    TEST_CASE(c.from == 96 ? "an icon shrunk from its 96-pixel PNG image to 80"
                           : "an icon shrunk from its 32-pixel DIB to 16");
    HICON from =
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "PAINTUP", IMAGE_ICON, c.from, c.from, 0));
    CHECK(from != nullptr);
    HICON shrunk = from ? dpi::ShrinkIcon(from, c.to) : nullptr;
    CHECK(shrunk != nullptr);
    if (!shrunk) continue;
    ICONINFO info = {};
    BITMAP bitmap = {};
    CHECK(GetIconInfo(shrunk, &info) && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap));
    CHECK_EQ(bitmap.bmWidth, c.to);
    CHECK_EQ(bitmap.bmHeight, c.to);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    const int last = c.to - 1, b = c.block;
    CHECK_EQ(DrawnPixel(shrunk, c.to, 0, 0), kUpTopLeft);
    CHECK_EQ(DrawnPixel(shrunk, c.to, b - 1, b - 1), kUpTopLeft);
    CHECK_EQ(DrawnPixel(shrunk, c.to, b, b), kUpFill);
    CHECK_EQ(DrawnPixel(shrunk, c.to, c.to / 2, c.to / 2), kUpFill);
    CHECK_EQ(DrawnPixel(shrunk, c.to, last - b, last - b), kUpFill);
    CHECK_EQ(DrawnPixel(shrunk, c.to, last - b + 1, last - b + 1), kUpBottomRight);
    CHECK_EQ(DrawnPixel(shrunk, c.to, last, last), kUpBottomRight);
    DestroyIcon(shrunk);
    DestroyIcon(from);
  }
  TEST_CASE("no icon is stretched up by shrinking: a smaller one gives none");
  HICON small = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "PAINTUP", IMAGE_ICON, 32, 32, 0));
  CHECK(dpi::ShrinkIcon(small, 40) == nullptr);
  if (small) DestroyIcon(small);
}

int main() {
  HMODULE lib = gk::LoadGlyphKey();
  TEST_CASE("load");
  CHECK(lib != nullptr);
  if (!lib) return check::Summary();
  g_host = gk::CreateHost(400, 300);
  g_t = TextHeight(g_host);
  TestLooks();
  TestGrayIcon(lib);
  TestDisabled();
  TestCaptionWithoutIcons();
  TestSystemColours();
  TestContrastColours();
  TestFocusRectangles();
  TestNoLeak();
  TestOutOfObjects();
  TestShrunkIcons();
  TestScriptsAndDirection();
  DestroyWindow(g_host);
  return check::Summary();
}

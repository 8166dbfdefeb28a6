// Painting of a GlyphKey control: frame, 3-D edges, icon, caption and focus rectangle.
#include "control_text.h"
#include "dpi_win32.h"
#include "glyphkey_internal.h"
#include "paint_geometry.h"

namespace glyphkey {
namespace {

COLORREF EdgeColourOf(EdgeColour colour, const PaintColours& colours) {
  return colour == EdgeColour::kShadow ? colours.shadowEdge : colours.lightEdge;
}

// A pen or brush that cannot be made (a process out of GDI objects) is stood in for by the
// stock null one, which draws nothing and is never deleted: the paint draws what it can, and
// nothing is deleted while it is still selected.
HGDIOBJ OrNothing(HGDIOBJ object, int stockNothing) {
  return object ? object : GetStockObject(stockNothing);
}

// Each new edge pen replaces the one before it, which is deleted at once; the frame pen
// is the first to go. Returns the last pen (null if it could not be made), still selected.
HPEN DrawEdges(HDC dc, HPEN framePen, const EdgePlan& plan, const PaintColours& colours) {
  HPEN current = framePen;
  for (int i = 0; i < plan.count; ++i) {
    const EdgePath& path = plan.paths[i];
    if (path.newPen) {
      HPEN pen = CreatePen(PS_SOLID, path.penWidth, EdgeColourOf(path.colour, colours));
      SelectObject(dc, OrNothing(pen, NULL_PEN));
      if (current) DeleteObject(current);
      current = pen;
    }
    MoveToEx(dc, path.points[0].x, path.points[0].y, nullptr);
    LineTo(dc, path.points[1].x, path.points[1].y);
    LineTo(dc, path.points[2].x, path.points[2].y);
  }
  return current;
}

// In a window laid out right to left the device context is mirrored: the icon's place
// follows (it stands at the right edge), its picture must not.
void DrawLookIcon(HDC dc, ControlRecord* record, HICON icon, bool leftLayout, int o, bool hasCaption,
                  int at) {
  int cx = dpi::MetricForDpi(SM_CXICON, at);
  int cy = dpi::MetricForDpi(SM_CYICON, at);
  int t = 0;
  if (hasCaption) {
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    t = metrics.tmHeight;
  }
  Point p = IconPosition(leftLayout, o, record->width, record->height, cx, cy, t, at);
  DWORD layout = GetLayout(dc);
  if (layout & LAYOUT_RTL) SetLayout(dc, layout | LAYOUT_BITMAPORIENTATIONPRESERVED);
  DrawIconAtDpi(dc, record, icon, p.x, p.y, cx, cy);
  if (layout & LAYOUT_RTL) SetLayout(dc, layout);
}

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// extraFlags: DT_RTLREADING for a window that reads right to left.
void DrawCaption(HDC dc, const ControlRecord* record, wchar_t* text, bool leftLayout, int o, int at,
                 COLORREF colour, UINT extraFlags) {
  int w = record->width, h = record->height;
  COLORREF oldColour = SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  if (record->upIcon || record->downIcon) {
    CaptionPlan plan = CaptionWithIcon(leftLayout, o, w, h, at);
    RECT r = ToRECT(plan.rect);
    DrawTextW(dc, text, -1, &r, plan.flags | extraFlags);
  } else {
    RECT r = ToRECT(CaptionMeasureRect(o, w, h));
    DrawTextW(dc, text, -1, &r, kMeasureFlags | extraFlags);
    r = ToRECT(CentreWrappedCaption(Rect{r.left, r.top, r.right, r.bottom}, o, w, h));
    DrawTextW(dc, text, -1, &r, kWrappedCaptionFlags | extraFlags);
  }
  SetTextColor(dc, oldColour);
}

}  // namespace

void PaintControl(HWND window, ControlRecord* record) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  wchar_t text[kTextBufferSize];
  ReadCaption(window, text, kTextBufferSize);
  int w = record->width, h = record->height;
  int d = FrameInset(record->state);
  Look look = LookOf(record->state);
  int o = ContentOffset(look);
  bool leftLayout = (GetWindowLongA(window, GWL_STYLE) & kStyleLeft) != 0;
  const int at = dpi::WindowDpi(window);
  HFONT captionFont = CaptionFontAtDpi(dc, at, text);
  HGDIOBJ oldFont = captionFont ? SelectObject(dc, captionFont) : nullptr;

  const PaintColours colours = ControlColours(record);
  HPEN framePen = CreatePen(PS_SOLID, d + 1, colours.frame);
  HBRUSH face = CreateSolidBrush(colours.face);
  HGDIOBJ oldPen = SelectObject(dc, OrNothing(framePen, NULL_PEN));
  HGDIOBJ oldBrush = SelectObject(dc, OrNothing(face, NULL_BRUSH));
  Rect frame = FrameRect(w, h, d);
  Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);

  HPEN lastPen = DrawEdges(dc, framePen, EdgesOf(look, w, h, d), colours);
  SelectObject(dc, oldPen);
  if (lastPen) DeleteObject(lastPen);

  HICON icon = UsesDownIcon(look) ? record->downIcon : record->upIcon;
  if (icon) DrawLookIcon(dc, record, icon, leftLayout, o, text[0] != '\0', at);
  const bool rightToLeft = (GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING)) != 0;
  if (text[0])
    DrawCaption(dc, record, text, leftLayout, o, at, colours.caption, rightToLeft ? DT_RTLREADING : 0);

  SelectObject(dc, oldBrush);
  if (face) DeleteObject(face);
  if (captionFont) {
    SelectObject(dc, oldFont);
    DeleteObject(captionFont);
  }
  if (record->focus) DrawFocus(window, record, dc);
  EndPaint(window, &ps);
}

void DrawFocus(HWND window, const ControlRecord* record, HDC dc) {
  HDC target = dc ? dc : GetDC(window);
  RECT r = ToRECT(FocusRect(record->state, record->width, record->height));
  DrawFocusRect(target, &r);
  if (!dc) ReleaseDC(window, target);
}

}  // namespace glyphkey

// Output procedure for GrayStringA: draws the icon given as data at the origin.
extern "C" BOOL CALLBACK GrayIcon(HDC dc, LPARAM data, int) {
  DrawIcon(dc, 0, 0, reinterpret_cast<HICON>(data));
  return TRUE;
}

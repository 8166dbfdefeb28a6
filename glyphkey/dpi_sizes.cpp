// The control at its window's DPI: the icons at the size for it and the caption font.
// At the system's DPI both are what the system gives every window, as before.
#include "dpi_win32.h"
#include "glyphkey_internal.h"
#include "icon_scale.h"

namespace glyphkey {
namespace {

const UINT kWesternCodePage = 1252;

// GrayStringA's output procedure for a copy: the copy's own size, where GrayIcon draws
// at the system's icon size.
BOOL CALLBACK GrayIconOwnSize(HDC dc, LPARAM data, int) {
  DrawIconEx(dc, 0, 0, reinterpret_cast<HICON>(data), 0, 0, 0, nullptr, DI_NORMAL);
  return TRUE;
}

void Forget(ControlRecord::SizedIcon* slot) {
  if (slot->copy) DestroyIcon(slot->copy);
  *slot = ControlRecord::SizedIcon{};
}

// A copy of icon at this size, never stretched up. An icon loaded from resources
// (LoadIconA, as the control text's icons are) is read again from its group's image of
// that size, or of the next larger one, shrunk; another, such as a host's GKM_SETUPICON
// icon, is shrunk when it is larger and otherwise stretched.
HICON SizedCopy(ControlRecord::SizedIcon* slot, HICON icon, int size) {
  if (slot->from == icon && slot->size == size && slot->copy) return slot->copy;
  Forget(slot);
  const int source = dpi::SourceImageSize(size);
  HICON copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, source, source, LR_COPYFROMRESOURCE));
  HICON shrunk = dpi::ShrinkIcon(copy ? copy : icon, size);
  if (shrunk) {
    if (copy) DestroyIcon(copy);
    copy = shrunk;
  }
  if (!copy) copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, 0));
  if (copy) *slot = ControlRecord::SizedIcon{icon, copy, size};
  return copy;
}

// Does the device context's font lack a glyph for some character of the caption? Where
// the font cannot say (a bitmap face may not map glyphs), it holds the letters of its
// character set's code page, as the system font does: a character outside it is lacking.
// Where UTF-8 is the ANSI code page, a bitmap face still holds one single-byte set.
bool LacksGlyphs(HDC dc, const wchar_t* caption) {
  WORD glyphs[kTextBufferSize];
  int length = lstrlenW(caption);
  if (GetGlyphIndicesW(dc, caption, length, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
    CHARSETINFO set;
    UINT codePage = TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(GetTextCharset(dc))), &set,
                                         TCI_SRCCHARSET)
                        ? set.ciACP
                        : GetACP();
    if (codePage == CP_UTF8) codePage = kWesternCodePage;
    BOOL lacking = FALSE;
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, caption, length, nullptr, 0, nullptr, &lacking);
    return lacking != FALSE;
  }
  for (int i = 0; i < length; ++i)
    if (glyphs[i] == 0xFFFF) return true;
  return false;
}

}  // namespace

void DrawIconAtDpi(HDC dc, ControlRecord* record, HICON icon, int x, int y, int cx, int cy) {
  const bool disabled = (record->state & kStateDisabled) != 0;
  // The shared icon as LoadIconA loaded it, where that is its group's own image of the size.
  if (cx == GetSystemMetrics(SM_CXICON) && cy == GetSystemMetrics(SM_CYICON) &&
      dpi::SourceImageSize(cx) == cx) {
    if (disabled)
      GrayStringA(dc, nullptr, GrayIcon, reinterpret_cast<LPARAM>(icon), 1, x, y, cx, cy);
    else
      DrawIcon(dc, x, y, icon);
    return;
  }
  ControlRecord::SizedIcon* slot = &record->sized[icon == record->upIcon ? 0 : 1];
  HICON copy = SizedCopy(slot, icon, cx);
  HICON drawn = copy ? copy : icon;
  if (disabled)
    GrayStringA(dc, nullptr, GrayIconOwnSize, reinterpret_cast<LPARAM>(drawn), 1, x, y, cx, cy);
  else
    DrawIconEx(dc, x, y, drawn, cx, cy, 0, nullptr, DI_NORMAL);
}

void ForgetSizedIcons(ControlRecord* record) {
  Forget(&record->sized[0]);
  Forget(&record->sized[1]);
}

HFONT CaptionFontAtDpi(HDC dc, int at, const wchar_t* caption) {
  // At 96 dpi the caption stays in the device context's own font, the system font, pixel
  // for pixel. That is a bitmap face made for one DPI, which Windows only enlarges by whole
  // multiples: elsewhere the caption is drawn in the face of the system's message font
  // (Segoe UI, Tahoma), bold as the system font is, at that font's height for the DPI.
  // The system font holds the letters of the ANSI code page only: a caption with others
  // (Cyrillic on a Western system, Devanagari anywhere) is drawn in the message font at
  // 96 dpi too, the font that Windows links to the scripts' own fonts, as its dialogs are.
  if (at == dpi::kBaseDpi && !LacksGlyphs(dc, caption)) {
    // The device context's system font is made for the system's DPI: brought to 96.
    const int system = dpi::SystemDpi();
    LOGFONTA font;
    if (system == at || !GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font)) return nullptr;
    font.lfHeight = dpi::Rescale(font.lfHeight, system, at);
    font.lfWidth = dpi::Rescale(font.lfWidth, system, at);
    return CreateFontIndirectA(&font);
  }
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  LOGFONTA font = {};
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    font = metrics.lfMessageFont;
  if (!font.lfFaceName[0]) lstrcpynA(font.lfFaceName, "Tahoma", LF_FACESIZE);
  font.lfHeight = CaptionFontHeight(at);
  font.lfWidth = 0;
  font.lfWeight = FW_BOLD;
  font.lfItalic = font.lfUnderline = font.lfStrikeOut = 0;
  return CreateFontIndirectA(&font);
}

}  // namespace glyphkey

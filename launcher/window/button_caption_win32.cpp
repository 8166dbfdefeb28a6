// A control's caption read from its window and made plain.
#include "window/button_caption_win32.h"

#include <stdlib.h>

#include "base/wide_text_win32.h"
#include "window/button_caption.h"

Text ButtonCaptionOf(HWND window, int id) {
  HWND control = window ? GetDlgItem(window, id) : nullptr;
  if (!control) return Text();
  // The control keeps a Unicode caption whole in its window text, which its ANSI procedure
  // would hand out in the ANSI code page: read past it.
  int length = (int)DefWindowProcW(control, WM_GETTEXTLENGTH, 0, 0);
  WCHAR* text = (WCHAR*)malloc((length + 1) * sizeof(WCHAR));
  if (!text) return Text();
  text[InternalGetWindowText(control, text, length + 1)] = 0;
  Text caption = PlainButtonCaption(Utf8FromWide(text).c_str(), nullptr);
  free(text);
  return caption;
}

// A control's caption read from its window and made plain.
#include "window/button_caption_win32.h"

#include <stdlib.h>

#include "window/button_caption.h"

Text ButtonCaptionOf(HWND window, int id) {
  HWND control = window ? GetDlgItem(window, id) : nullptr;
  if (!control) return Text();
  int length = GetWindowTextLengthA(control);
  char* text = (char*)malloc(length + 1);
  if (!text) return Text();
  text[0] = 0;
  GetWindowTextA(control, text, length + 1);
  Text caption = PlainButtonCaption(text, LeadByteTestFor(GetACP()));
  free(text);
  return caption;
}

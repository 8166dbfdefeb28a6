// UTF-16 copies of the launcher's texts for Windows' W functions, and back.
#include "base/wide_text_win32.h"

#include <stdlib.h>
#include <string.h>

#include "base/utf.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' UTF-16 unit");

WideText::WideText(const char* text, UINT codePage) {
  size_t length = text ? strlen(text) : 0;
  // UTF-8 is converted by the launcher's own rule, the same on every Windows: XP's
  // MultiByteToWideChar drops an invalid sequence where later versions put U+FFFD.
  size_t units = codePage == CP_UTF8
                     ? utf::Utf8ToUtf16(text, length, nullptr, 0)
                     : (size_t)MultiByteToWideChar(codePage, 0, text, (int)length, nullptr, 0);
  data_ = (wchar_t*)malloc((units + 1) * sizeof(wchar_t));
  if (!data_) return;
  if (codePage == CP_UTF8)
    utf::Utf8ToUtf16(text, length, (char16_t*)data_, units + 1);
  else
    data_[MultiByteToWideChar(codePage, 0, text, (int)length, data_, (int)units)] = 0;
}

WideText::~WideText() {
  free(data_);
}

Text Utf8FromWide(const wchar_t* wide) {
  Text text;
  utf::AppendUtf8((const char16_t*)wide, lstrlenW(wide), &text);
  return text;
}

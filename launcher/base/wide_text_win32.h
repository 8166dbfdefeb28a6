// The launcher's UTF-8 text made UTF-16 for one Windows call, at the edge: an owned,
// writable, zero-terminated copy (CreateProcessW may write into its command line).
#pragma once
#include <windows.h>

#include "base/text.h"

class WideText {
 public:
  // UTF-8, the launcher's own text: invalid sequences become U+FFFD.
  explicit WideText(const char* utf8) : WideText(utf8, CP_UTF8) {}
  // Bytes of a code page: CP_ACP for the text of a menu file saved in the ANSI code page,
  // read with the ANSI rules and widened here, as Windows' A functions would.
  WideText(const char* text, UINT codePage);
  ~WideText();
  WideText(const WideText&) = delete;
  WideText& operator=(const WideText&) = delete;

  // Null only when memory ran out.
  wchar_t* get() const { return data_; }
  bool ok() const { return data_ != nullptr; }

 private:
  wchar_t* data_ = nullptr;
};

// A UTF-16 text from Windows as the launcher's UTF-8 (a lone surrogate becomes U+FFFD).
Text Utf8FromWide(const wchar_t* wide);

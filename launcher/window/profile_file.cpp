// Values of the profile file, through the system's private-profile functions.
#include "window/profile_file.h"

#include <stdlib.h>
#include <windows.h>

#include "base/wide_text_win32.h"

namespace {

const DWORD kProfileBufferSize = 4096;

}  // namespace

// Names and values are the launcher's UTF-8; the file holds what the system writes
// (its ANSI code page, or UTF-16 where the file was made so).
Text ProfileFile::ReadValue(const char* section, const char* key, const char* defaultValue) const {
  WCHAR* buffer = (WCHAR*)malloc(kProfileBufferSize * sizeof(WCHAR));
  if (!buffer) return Text(defaultValue);
  GetPrivateProfileStringW(WideText(section).get(), WideText(key).get(), WideText(defaultValue ? defaultValue : "").get(),
                           buffer, kProfileBufferSize, WideText(fileName_).get());
  Text value = Utf8FromWide(buffer);
  free(buffer);
  return value;
}

bool ProfileFile::WriteValue(const char* section, const char* key, const char* value) const {
  return WritePrivateProfileStringW(WideText(section).get(), WideText(key).get(), WideText(value).get(),
                                    WideText(fileName_).get()) != FALSE;
}

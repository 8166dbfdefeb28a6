// Values of the profile file, through the system's private-profile functions.
#include "window/profile_file.h"

#include <stdlib.h>
#include <windows.h>

#include "base/wide_text_win32.h"

namespace {

const DWORD kProfileBufferSize = 4096;

// The private-profile functions write UTF-16 only into a file that starts with its byte
// order mark, and the code page's "?" for anything else: a disc named in another script
// would share a section with every disc whose name narrows the same way. So a file not
// there yet is made with the mark; one already there keeps its form. Where Windows
// redirects the Windows directory to the user's own store, the file is made there, as
// the profile functions would.
void CreateUnicodeProfile(const WCHAR* fileName) {
  WCHAR path[MAX_PATH + 1];
  UINT length = GetWindowsDirectoryW(path, MAX_PATH);
  if (length == 0 || length + 1 + lstrlenW(fileName) >= MAX_PATH) return;
  path[length] = L'\\';
  lstrcpyW(path + length + 1, fileName);
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  static const BYTE kMark[] = {0xFF, 0xFE};
  DWORD written = 0;
  WriteFile(file, kMark, sizeof kMark, &written, nullptr);
  CloseHandle(file);
}

}  // namespace

// Names and values are the launcher's UTF-8; the file holds what the system writes
// (UTF-16 in a file the launcher made, the ANSI code page in an older one).
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
  WideText file(fileName_);
  if (!file.ok()) return false;
  CreateUnicodeProfile(file.get());
  return WritePrivateProfileStringW(WideText(section).get(), WideText(key).get(), WideText(value).get(), file.get()) !=
         FALSE;
}

// HKEY_CLASSES_ROOT read through RegOpenKeyExW and RegQueryValueExW, read only: names
// and values are UTF-8 on the launcher's side.
#include "commands/registry_view_win32.h"

#include <windows.h>

#include "base/text.h"
#include "base/utf.h"
#include "base/wide_text_win32.h"

bool ClassesRootView::Open(Key parent, const char* subKey, Key* opened) {
  HKEY key = nullptr;
  HKEY from = parent ? (HKEY)parent : HKEY_CLASSES_ROOT;
  if (RegOpenKeyExW(from, WideText(subKey).get(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  *opened = key;
  return true;
}

bool ClassesRootView::QueryDefault(Key key, char* buffer, unsigned long* size, bool* expandable) {
  DWORD type;  // any type is read as text; only REG_EXPAND_SZ is expanded afterwards
  WCHAR value[assoc::kValueBufferSize + 1];  // one more for a zero the data may lack
  DWORD bytes = assoc::kValueBufferSize * sizeof(WCHAR);
  bool read = RegQueryValueExW((HKEY)key, nullptr, nullptr, &type, (BYTE*)value, &bytes) == ERROR_SUCCESS;
  value[read ? bytes / sizeof(WCHAR) : 0] = 0;
  size_t length = utf::Utf16ToUtf8((const char16_t*)value, lstrlenW(value), buffer, *size);
  *size = (unsigned long)length + 1;
  *expandable = read && type == REG_EXPAND_SZ;
  return read;
}

bool ClassesRootView::ExpandEnvironment(const char* text, Text* expanded) {
  // On 64-bit Windows the environment names the 64-bit program folders ProgramW6432
  // and CommonProgramW6432 as well; only there are references rewritten to them.
  Text native(text);
  if (GetEnvironmentVariableW(L"ProgramW6432", nullptr, 0)) native = assoc::PreferNativeProgramFolders(text);
  WCHAR buffer[assoc::kExpandedBufferSize];
  DWORD needed = ExpandEnvironmentStringsW(WideText(native.c_str()).get(), buffer, assoc::kExpandedBufferSize);
  if (needed == 0 || needed > assoc::kExpandedBufferSize) {
    // Counts as a value that cannot be read: the error box names the reason.
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return false;
  }
  *expanded = Utf8FromWide(buffer);
  return true;
}

void ClassesRootView::Close(Key key) { RegCloseKey((HKEY)key); }

void ClassesRootView::ReportUnreadableCommand() { ShowLastSystemError(); }

void ShowLastSystemError() {
  DWORD code = GetLastError();
  WCHAR* text = nullptr;
  DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code,
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPWSTR)&text, 0, nullptr);
  if (length && text) {
    MessageBoxW(nullptr, text, L"GetLastError", MB_ICONINFORMATION);
  } else {
    // The system has no text for this code: say at least which code it was.
    Text fallback("System error ");
    fallback.AppendInt((long)code);
    fallback.Append(" (no description available).");
    MessageBoxW(nullptr, WideText(fallback.c_str()).get(), L"GetLastError", MB_ICONINFORMATION);
  }
  if (text) LocalFree(text);
}

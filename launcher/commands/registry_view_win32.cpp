// HKEY_CLASSES_ROOT read through RegOpenKeyExA and RegQueryValueExA, read only.
#include "commands/registry_view_win32.h"

#include <windows.h>

#include "base/text.h"

bool ClassesRootView::Open(Key parent, const char* subKey, Key* opened) {
  HKEY key = nullptr;
  HKEY from = parent ? (HKEY)parent : HKEY_CLASSES_ROOT;
  if (RegOpenKeyExA(from, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  *opened = key;
  return true;
}

bool ClassesRootView::QueryDefault(Key key, char* buffer, unsigned long* size, bool* expandable) {
  DWORD type;  // any type is read as text; only REG_EXPAND_SZ is expanded afterwards
  DWORD bytes = *size;
  bool read = RegQueryValueExA((HKEY)key, nullptr, nullptr, &type, (BYTE*)buffer, &bytes) == ERROR_SUCCESS;
  *size = bytes;
  *expandable = read && type == REG_EXPAND_SZ;
  return read;
}

bool ClassesRootView::ExpandEnvironment(const char* text, Text* expanded) {
  // On 64-bit Windows the environment names the 64-bit program folders ProgramW6432
  // and CommonProgramW6432 as well; only there are references rewritten to them.
  Text native(text);
  if (GetEnvironmentVariableA("ProgramW6432", nullptr, 0)) native = assoc::PreferNativeProgramFolders(text);
  char buffer[assoc::kExpandedBufferSize];
  DWORD needed = ExpandEnvironmentStringsA(native.c_str(), buffer, sizeof buffer);
  if (needed == 0 || needed > sizeof buffer) {
    // Counts as a value that cannot be read: the error box names the reason.
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return false;
  }
  expanded->Assign(buffer);
  return true;
}

void ClassesRootView::Close(Key key) { RegCloseKey((HKEY)key); }

void ClassesRootView::ReportUnreadableCommand() { ShowLastSystemError(); }

void ShowLastSystemError() {
  DWORD code = GetLastError();
  char* text = nullptr;
  DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code,
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPSTR)&text, 0, nullptr);
  if (length && text) {
    MessageBoxA(nullptr, text, "GetLastError", MB_ICONINFORMATION);
  } else {
    // The system has no text for this code: say at least which code it was.
    Text fallback("System error ");
    fallback.AppendInt((long)code);
    fallback.Append(" (no description available).");
    MessageBoxA(nullptr, fallback.c_str(), "GetLastError", MB_ICONINFORMATION);
  }
  if (text) LocalFree(text);
}

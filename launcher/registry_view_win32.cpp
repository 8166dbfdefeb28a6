// HKEY_CLASSES_ROOT read through RegOpenKeyExA and RegQueryValueExA, read only.
#include "registry_view_win32.h"

#include <windows.h>

#include "text.h"

bool ClassesRootView::Open(Key parent, const char* subKey, Key* opened) {
  HKEY key = nullptr;
  HKEY from = parent ? (HKEY)parent : HKEY_CLASSES_ROOT;
  if (RegOpenKeyExA(from, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  *opened = key;
  return true;
}

bool ClassesRootView::QueryDefault(Key key, char* buffer, unsigned long* size) {
  DWORD type;  // never looked at: any type is read as text
  DWORD bytes = *size;
  bool read = RegQueryValueExA((HKEY)key, nullptr, nullptr, &type, (BYTE*)buffer, &bytes) == ERROR_SUCCESS;
  *size = bytes;
  return read;
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

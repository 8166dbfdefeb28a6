// The yardstick of the start-up benchmark: the smallest Win32 dialog program,
// one modal dialog from a template, ended by OK, Escape or its close box.
#include <windows.h>

namespace {

const int kTemplate = 100;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return (int)DialogBoxParamA(instance, MAKEINTRESOURCEA(kTemplate), nullptr, DialogProc, 0);
}

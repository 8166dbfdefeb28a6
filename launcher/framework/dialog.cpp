// The modal dialog of the framework: binding, default handlers and centring.
#include "dialog.h"

namespace framework {

// A Unicode dialog: its own texts and its controls' (list boxes, buttons) are UTF-16,
// whatever the ANSI code page.
INT_PTR Dialog::DoModal() {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent_, DialogProc,
                         (LPARAM)this);
}

void Dialog::EndDialog(INT_PTR result) {
  if (handle_) ::EndDialog(handle_, result);
}

BOOL Dialog::OnInitDialog() {
  DoDataExchange();
  return TRUE;
}

void Dialog::OnOK() { EndDialog(IDOK); }

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      RECT before;
      GetWindowRect(handle_, &before);
      BOOL result = OnInitDialog();
      // A dialog that its initialisation did not place is centred, as the
      // dialog manager would do for DS_CENTER.
      RECT after;
      if (handle_ && GetWindowRect(handle_, &after) && after.left == before.left && after.top == before.top) {
        CentreWindow();
      }
      return result;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) <= 1) {  // a click, a menu item or an accelerator
        if (LOWORD(wParam) == IDOK) {
          OnOK();
          return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
          OnCancel();
          return TRUE;
        }
      }
      return FALSE;
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
  }
  return FALSE;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* dialog;
  if (message == WM_INITDIALOG) {
    dialog = (Dialog*)lParam;
    SetWindowLongPtrA(window, DWLP_USER, (LONG_PTR)dialog);
    dialog->handle_ = window;
  } else {
    dialog = (Dialog*)GetWindowLongPtrA(window, DWLP_USER);
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) and after WM_NCDESTROY get the defaults.
  if (!dialog) return FALSE;
  INT_PTR result = dialog->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, DWLP_USER, 0);
    dialog->handle_ = nullptr;
  }
  return result;
}

}  // namespace framework

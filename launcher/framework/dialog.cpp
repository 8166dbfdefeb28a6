// The modal dialog of the framework: binding, default handlers and centring.
#include "dialog.h"

namespace framework {

// A Unicode dialog: its own texts and its controls' (list boxes, buttons) are UTF-16,
// whatever the ANSI code page. Laid out right to left, it is made from a copy of its
// template with WS_EX_LAYOUTRTL, so that the dialog manager places every control mirrored.
INT_PTR Dialog::DoModal() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!rightToLeft_)
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId_), parent_, DialogProc, (LPARAM)this);
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId_), (LPCWSTR)RT_DIALOG);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const DWORD size = found ? SizeofResource(instance, found) : 0;
  const BYTE* original = loaded ? (const BYTE*)LockResource(loaded) : nullptr;
  // DLGTEMPLATEEX (signature 0xFFFF) holds its extended style after a version, the
  // signature and a help identifier; DLGTEMPLATE after the style.
  if (!original || size < 16) return -1;
  BYTE* copy = (BYTE*)HeapAlloc(GetProcessHeap(), 0, size);
  if (!copy) return -1;
  CopyMemory(copy, original, size);
  DWORD* exStyle = (DWORD*)(copy + (((WORD*)copy)[1] == 0xFFFF ? 8 : 4));
  *exStyle |= WS_EX_LAYOUTRTL;
  INT_PTR result = DialogBoxIndirectParamW(instance, (LPCDLGTEMPLATEW)copy, parent_, DialogProc, (LPARAM)this);
  HeapFree(GetProcessHeap(), 0, copy);
  return result;
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

// The framework's modal dialog: a template run as a Unicode dialog, bound to its C++
// object at WM_INITDIALOG, with virtual hooks that derived dialogs override.
#pragma once
#include <windows.h>

#include "window.h"

namespace framework {

class Dialog : public Window {
 public:
  // parent: the window that owns the dialog; null for a dialog of its own.
  explicit Dialog(UINT templateId, HWND parent = nullptr) : templateId_(templateId), parent_(parent) {}
  ~Dialog() override {}

  // Runs the dialog until EndDialog; its result, or -1 when it cannot be created.
  INT_PTR DoModal();
  // Before DoModal: the dialog is made laid out right to left (WS_EX_LAYOUTRTL), its
  // controls placed from the right, as for a language written that way.
  void LayOutRightToLeft(bool rightToLeft) { rightToLeft_ = rightToLeft; }
  void EndDialog(INT_PTR result);

 protected:
  // WM_INITDIALOG: the data exchange attaches the controls. TRUE lets the dialog
  // manager give the focus to the first tab-stop control.
  virtual BOOL OnInitDialog();
  // Attaches controls to members. The framework's dialogs validate nothing.
  virtual void DoDataExchange() {}
  virtual void OnOK();
  virtual void OnCancel();
  // WM_DESTROY: the window is going; its children go with it.
  virtual void OnDestroy() {}
  // The message map: a derived dialog handles its own messages in a switch and
  // passes the rest on to this one. The result is the dialog procedure's.
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  UINT templateId_;
  HWND parent_;
  bool rightToLeft_ = false;
};

}  // namespace framework

// The tips of the menu buttons: shown under the pointer after it rests on a button, and
// under a button that the keyboard brings the focus to, so that a keyboard user reads
// them too. Owned by the launcher window; its tooltip controls go with it.
#pragma once
#include <windows.h>

class ButtonTips {
 public:
  // Gives button of window its tip (the controls are made with the first tip).
  void Add(HWND window, HWND button, const char* tip);
  // Before button is destroyed.
  void Remove(HWND window, HWND button);
  // Long tips wrap at the same width at every DPI.
  void FollowDpi(int dpi);
  // Takes away the tip that the keyboard focus showed.
  void HideFocusTip();

 private:
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
  void ShowFocusTip(HWND button);
  HWND hover_ = nullptr;  // the tips under the pointer
  HWND focus_ = nullptr;  // the tip under the focused button, a tracking one
};

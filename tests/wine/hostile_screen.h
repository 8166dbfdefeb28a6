// Reading a launcher's buttons back from the screen: a copy of screen pixels, the
// launcher's own icons rendered for comparison, and the look of one menu button.
#pragma once
#include <windows.h>

namespace hostile {

// The pixels of a screen rectangle, copied once so that many reads stay cheap.
class ScreenCopy {
 public:
  ScreenCopy() {}
  ~ScreenCopy();
  bool Capture(const RECT& screenRect);
  // Colour at a screen point; CLR_INVALID outside the copy.
  COLORREF At(int x, int y) const;

 private:
  ScreenCopy(const ScreenCopy&) = delete;
  void operator=(const ScreenCopy&) = delete;
  void Free();
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  DWORD* bits_ = nullptr;
  RECT rect_ = {};
};

// The icon resources of an autorun.exe, loaded as data (not run).
class LauncherIcons {
 public:
  explicit LauncherIcons(const char* exePath);
  ~LauncherIcons();
  // The icon at the screen's icon size as the programs make it (a size the group does not
  // store is shrunk from a larger image); null when the program has no such icon.
  HICON Icon(int number);

 private:
  LauncherIcons(const LauncherIcons&) = delete;
  void operator=(const LauncherIcons&) = delete;
  HMODULE module_;
  static const int kSlots = 8;
  int numbers_[kSlots] = {};
  HICON icons_[kSlots] = {};
};

// What a menu button shows, read from the screen.
struct ButtonLook {
  bool frame;        // the frame colour at the middle of the left and right edges
  bool face;         // the face colour above the caption
  bool iconPresent;  // anything but the face where the icon goes
  bool iconMatches;  // those pixels are exactly the expected icon (or face for none)
};

// Looks at a menu button (icon at the left edge, caption on one line) as it is on
// the screen now; expected is the icon it should show, null for none.
ButtonLook InspectButton(HWND button, HICON expected);
// Tries for up to timeoutMs until the button looks right; returns the last look.
ButtonLook WaitForButtonLook(HWND button, HICON expected, DWORD timeoutMs);
inline bool LooksRight(const ButtonLook& look, bool wantIcon) {
  return look.frame && look.face && look.iconPresent == wantIcon && look.iconMatches;
}

}  // namespace hostile

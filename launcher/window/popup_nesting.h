// Popups opened from popups, and reloads chosen in them. A reload replaces the
// window's own menu: while a popup is open the table in use is the popup's, so the
// reload waits until the outermost popup has put the window's own table back.
// Buttons and table then come from the same file.
#pragma once
#include "base/text.h"

class PopupNesting {
 public:
  void EnterPopup() { depth_++; }
  // Leaves a popup. True when that was the outermost one and a reload waits:
  // *file receives its file name and the request is forgotten.
  bool LeavePopup(Text* file);
  // A reload of the file is asked for: true to carry it out now, false when it
  // waits for the popups to close (the last request wins).
  bool RequestReload(const char* file);
  int depth() const { return depth_; }

 private:
  int depth_ = 0;
  bool pending_ = false;
  Text file_;
};

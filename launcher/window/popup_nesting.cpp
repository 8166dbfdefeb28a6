// Deferring reloads chosen in popups until the window's own table is current.
#include "window/popup_nesting.h"

bool PopupNesting::LeavePopup(Text* file) {
  if (depth_ > 0) depth_--;
  if (depth_ > 0 || !pending_) return false;
  pending_ = false;
  *file = file_;
  file_.Clear();
  return true;
}

bool PopupNesting::RequestReload(const char* file) {
  if (depth_ == 0) return true;
  pending_ = true;
  file_.Assign(file);
  return false;
}

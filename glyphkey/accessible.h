// The control's accessible object, handed to screen readers through WM_GETOBJECT.
#pragma once
#include <windows.h>

namespace glyphkey {

// WM_GETOBJECT: the control's own object for OBJID_CLIENT, the system's answer otherwise.
LRESULT OnGetObject(HWND window, WPARAM flags, LPARAM objectId);
// WM_DESTROY: an object that a screen reader still holds answers errors from now on.
void DetachAccessible(HWND window);

// Tells screen readers that the client object's state or name changed (EVENT_OBJECT_...).
inline void NotifyClientChange(HWND window, DWORD event) {
  NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace glyphkey

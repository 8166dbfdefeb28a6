// The launcher window: construction, initialisation, command routing, iconic
// painting, button captions and the tables freed when the window goes.
#include "launcher_dialog.h"

#include <stdlib.h>

#include "button_caption.h"
#include "button_layout.h"
#include "dpi_win32.h"
#include "launcher_app.h"
#include "message_table.h"
#include "start_monitor_win32.h"

namespace {

const UINT kTemplateId = 103;
const UINT kWindowIconId = 201;
const UINT kAboutCommand = 16;  // system menu item; 16 to 31 once the low bits are cleared
const char kStartMenuFile[] = "autorun.inf";

bool IsMenuCommand(unsigned id) {
  return (id >= 1001 && id <= 1030) || (id >= 1101 && id <= 1130);
}

}  // namespace

LauncherDialog::LauncherDialog() : Dialog(kTemplateId) {
  windowIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kWindowIconId));
}

LauncherDialog::~LauncherDialog() {}

void LauncherDialog::DoDataExchange() { quitButton.Attach(GetDlgItem(handle_, IDOK)); }

BOOL LauncherDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  LauncherApp& app = TheApp();
  app.FillMessageTable();
  SetWindowTextA(quitButton.handle(), app.MessageText(messages::kQuitButton));
  if (HMENU systemMenu = GetSystemMenu(handle_, FALSE)) {
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, kAboutCommand, app.MessageText(messages::kAboutBoxMenu));
  }
  // The dialog manager made the window at the DPI of its monitor.
  templateDpi = dpi::WindowDpi(handle_);
  SetWindowIcons(templateDpi);
  KeepDpiLayoutToItself();
  // Without an owner the window stands at the screen origin, so the window
  // rectangle's right and bottom edges are its template width and height.
  GetClientRect(handle_, &initialClientRect);
  GetWindowRect(handle_, &initialWindowRect);
  // Recorded before the first move: a move onto a monitor of another DPI sends
  // WM_DPICHANGED at once, and its layout scales the Quit button from this.
  GetWindowRect(quitButton.handle(), &quitTemplateRect);
  MapWindowPoints(nullptr, handle_, (POINT*)&quitTemplateRect, 2);
  // The window opens where the user is: centred on the monitor the program was started
  // from. Later layouts keep to the monitor that holds the window.
  CentreIn(StartWorkArea());
  // The window has no table yet: ApplyMenuFile makes the first one, 30 empty entries.
  entries.Reset();
  savedEntries.Reset();
  ApplyMenuFile(kStartMenuFile, kButtons);
  return TRUE;
}

void LauncherDialog::OnCancel() { Dialog::OnCancel(); }

void LauncherDialog::OnDestroy() {
  if (smallIcon) DestroyIcon(smallIcon);
  if (bigIcon) DestroyIcon(bigIcon);
  smallIcon = bigIcon = nullptr;
  pictures.Clear();
  entries.Reset();
  savedEntries.Reset();
}

INT_PTR LauncherDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && IsMenuCommand(LOWORD(wParam))) {
        RunEntry(LOWORD(wParam));
        return TRUE;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == kAboutCommand) {
        OpenAboutBox();
        return TRUE;
      }
      break;
    case WM_PAINT:
      if (IsIconic(handle_)) {
        PaintIconic();
        return TRUE;
      }
      break;
    case WM_QUERYDRAGICON:
      return (INT_PTR)(bigIcon ? bigIcon : windowIcon);
    case WM_GETDPISCALEDSIZE:
      // Windows asks before it moves the window to a monitor of another DPI, so that the
      // rectangle WM_DPICHANGED suggests is the launcher's own size there.
      if (!lParam) break;
      *(SIZE*)lParam = SizeAtDpi(LOWORD(wParam));
      SetWindowLongPtrA(handle_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_DPICHANGED:
      if (lParam) OnDpiChanged(LOWORD(wParam), *(const RECT*)lParam);
      // Not handled for the dialog manager, which gives the controls the dialog font
      // at the new DPI; their sizes and places are the launcher's, above.
      return FALSE;
  }
  return Dialog::HandleMessage(message, wParam, lParam);
}

void LauncherDialog::PaintIconic() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(handle_, &paint);
  SendMessageA(handle_, WM_ICONERASEBKGND, (WPARAM)dc, 0);
  RECT client;
  GetClientRect(handle_, &client);
  int x, y;
  const int at = dpi::WindowDpi(handle_);
  const int cx = dpi::MetricForDpi(SM_CXICON, at), cy = dpi::MetricForDpi(SM_CYICON, at);
  layout::IconicIconOrigin(client.right - client.left, client.bottom - client.top, cx, cy, &x, &y);
  DrawIconEx(dc, x, y, bigIcon ? bigIcon : windowIcon, cx, cy, 0, nullptr, DI_NORMAL);
  EndPaint(handle_, &paint);
}

Text LauncherDialog::ButtonCaption(int id) const { return ButtonCaptionOf(handle_, id); }

Text ButtonCaptionOf(HWND window, int id) {
  HWND control = window ? GetDlgItem(window, id) : nullptr;
  if (!control) return Text();
  int length = GetWindowTextLengthA(control);
  char* text = (char*)malloc(length + 1);
  if (!text) return Text();
  text[0] = 0;
  GetWindowTextA(control, text, length + 1);
  Text caption = PlainButtonCaption(text, LeadByteTestFor(GetACP()));
  free(text);
  return caption;
}

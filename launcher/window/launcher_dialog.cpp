// The launcher window: construction, initialisation, command routing, the placing
// of a menu's buttons, iconic painting, button captions and the tables freed when
// the window goes.
#include "window/launcher_dialog.h"

#include "base/wide_text_win32.h"
#include "commands/command_line.h"
#include "dpi_win32.h"
#include "menu/message_table.h"
#include "window/button_caption_win32.h"
#include "window/button_layout.h"
#include "window/start_monitor_win32.h"

namespace {


// Shift skips the auto-start. At start-up the launcher's thread has read no input
// yet, and a system may not have given it the keyboard's state (Wine does not), so
// the key as it is now counts as well as the thread's own view of it.
bool ShiftIsDown() {
  return GetKeyState(VK_SHIFT) < 0 || GetAsyncKeyState(VK_SHIFT) < 0;
}

}  // namespace

LauncherDialog::LauncherDialog(const MessageTable& messageTexts, const ProfileFile& profileFile,
                               const char* startMenu, bool startRightToLeft, const menu::SystemFacts& facts)
    : Dialog(IDD_LAUNCHER),
      messageTexts(messageTexts),
      profileFile(profileFile),
      startMenu(startMenu),
      startRightToLeft(startRightToLeft),
      facts(facts) {
  LayOutRightToLeft(startRightToLeft);
  windowIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WINDOW));
}

LauncherDialog::~LauncherDialog() {}

void LauncherDialog::DoDataExchange() {
  quitButton.Attach(GetDlgItem(handle_, IDOK));
}

BOOL LauncherDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  SetWindowTextW(quitButton.handle(), WideText(messageTexts.Get(messages::kQuitButton).c_str()).get());
  if (HMENU systemMenu = GetSystemMenu(handle_, FALSE)) {
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, ID_ABOUT_COMMAND, WideText(messageTexts.Get(messages::kAboutBoxMenu).c_str()).get());
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
  ApplyMenuFile(startMenu, kButtons);
  return TRUE;
}

void LauncherDialog::OnCancel() {
  Dialog::OnCancel();
}

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
      if (HIWORD(wParam) == 0 && command::EntryIndexForId(LOWORD(wParam)) != command::kNoEntry) {
        if (!waiting) RunEntry(LOWORD(wParam));
        return TRUE;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == ID_ABOUT_COMMAND) {
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
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // Only top-level windows hear of new colours or a contrast theme; their controls
      // learn it from them, as Microsoft asks for the common controls.
      for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, message, wParam, lParam);
      break;
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

void LauncherDialog::SetLayoutDirection(bool rightToLeft) {
  const LONG was = GetWindowLongW(handle_, GWL_EXSTYLE);
  const LONG now = rightToLeft ? was | WS_EX_LAYOUTRTL : was & ~WS_EX_LAYOUTRTL;
  if (now == was) return;
  // The Quit button keeps its place from the near edge: PlaceButtons puts it again.
  SetWindowLongW(handle_, GWL_EXSTYLE, now);
  InvalidateRect(handle_, nullptr, TRUE);
}

void LauncherDialog::FinishButtons(const layout::ButtonColumn& built) {
  // The window is centred in the work area of the screen that holds it.
  LayOutColumn(built, WorkArea());
  if (!rebuildingAfterWait && !ShiftIsDown()) RunAutoStart();
}

void LauncherDialog::LayOutColumn(const layout::ButtonColumn& laidOut, const RECT& work) {
  column = laidOut;
  PlaceButtons(column, work, nullptr, false);
  // Centring can take the window onto a monitor of another DPI (at start-up, from the
  // primary monitor's corner): the layout is made once more at the DPI it now has. Only
  // once, so that a window between two monitors cannot bounce between them.
  const int at = dpi::WindowDpi(handle_);
  if (at == column.dpi()) return;
  column = column.AtDpi(dpi::MetricForDpi(SM_CYICON, at), at);
  PlaceButtons(column, WorkArea(), nullptr, true);
  pictures.Reload(handle_, command::kFirstButtonId, column.iconHeight());
}

void LauncherDialog::PlaceButtons(const layout::ButtonColumn& column, const RECT& work, const POINT* origin,
                                  bool resizeButtons) {
  // Only now is it known whether the single column fits the screen; where it does not,
  // the buttons made at their single-column places move into columns. The window is then
  // sized and placed in one step, in the work area the layout was made for: grown first
  // and centred after, it could reach into a screen below and be centred there.
  const int at = column.dpi();
  const layout::Frame frame = FrameAt(at);
  const layout::Arrangement a =
      layout::Arrange(column, frame, work.right - work.left, work.bottom - work.top);
  const int buttonWidth = layout::ButtonWidth(frame.clientWidth, at);
  // The column's places belong to the buttons in entry order: a hidden entry has none.
  unsigned id = command::kFirstButtonId;
  for (int i = 0; i < column.count(); i++) {
    HWND button = nullptr;
    while (!button && id < command::kFirstButtonId + MenuEntryTable::kSize)
      button = GetDlgItem(handle_, id++);
    if (!resizeButtons && a.left[i] == column.margin() && a.top[i] == column.top(i)) continue;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (resizeButtons ? 0 : SWP_NOSIZE);
    if (button) SetWindowPos(button, nullptr, a.left[i], a.top[i], buttonWidth, column.buttonHeight(), flags);
  }
  long left = origin ? origin->x : 0, top = origin ? origin->y : 0;
  if (!origin) {
    geometry::CentredOrigin(framework::ToRect(work), framework::ToRect(work), a.windowWidth, a.windowHeight,
                            &left, &top);
  }
  placing = true;
  SetWindowPos(handle_, nullptr, left, top, a.windowWidth, a.windowHeight, SWP_NOZORDER);
  placing = false;
  InvalidateRect(handle_, nullptr, TRUE);
  RECT client;
  GetClientRect(handle_, &client);
  int x, y;
  const SIZE quit = QuitSizeAt(at);
  tips.FollowDpi(at);
  layout::QuitButtonOrigin(client.right - client.left, client.bottom, quit.cx, quit.cy, &x, &y, at);
  MoveWindow(quitButton.handle(), x, y, quit.cx, quit.cy, TRUE);
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

Text LauncherDialog::ButtonCaption(int id) const {
  return ButtonCaptionOf(handle_, id);
}

int LauncherDialog::ShowMessage(const char* text, const char* caption, UINT flags) const {
  // A window laid out right to left has its boxes read and aligned that way too.
  if (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) flags |= MB_RTLREADING | MB_RIGHT;
  return MessageBoxW(handle_, WideText(text).get(), WideText(caption).get(), flags);
}

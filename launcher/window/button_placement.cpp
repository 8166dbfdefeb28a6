// The buttons, the window and the Quit button placed for a menu, at the window's DPI.
#include "window/button_placement.h"

#include "commands/command_line.h"
#include "dpi_win32.h"
#include "menu/menu_entry.h"

void ButtonPlacement::LayOut(const layout::ButtonColumn& built) {
  column_ = built;
  Place(window_.WorkArea(), nullptr, false);
  // Centring can take the window onto a monitor of another DPI (at start-up, from the
  // primary monitor's corner): the layout is made once more at the DPI it now has. Only
  // once, so that a window between two monitors cannot bounce between them.
  const int at = dpi::WindowDpi(window_.handle());
  if (at == column_.dpi()) return;
  column_ = column_.AtDpi(dpi::MetricForDpi(SM_CYICON, at), at);
  Place(window_.WorkArea(), nullptr, true);
  pictures_.Reload(window_.handle(), command::kFirstButtonId, column_.iconHeight());
}

void ButtonPlacement::Place(const RECT& work, const POINT* origin, bool resizeButtons) {
  // Only now is it known whether the single column fits the screen; where it does not,
  // the buttons made at their single-column places move into columns. The window is then
  // sized and placed in one step, in the work area the layout was made for: grown first
  // and centred after, it could reach into a screen below and be centred there.
  const int at = column_.dpi();
  const layout::Frame frame = dpi_.FrameAt(window_.handle(), at);
  const layout::Arrangement a =
      layout::Arrange(column_, frame, work.right - work.left, work.bottom - work.top);
  const int buttonWidth = layout::ButtonWidth(frame.clientWidth, at);
  // The column's places belong to the buttons in entry order: a hidden entry has none.
  unsigned id = command::kFirstButtonId;
  for (int i = 0; i < column_.count(); i++) {
    HWND button = nullptr;
    while (!button && id < command::kFirstButtonId + MenuEntryTable::kSize)
      button = GetDlgItem(window_.handle(), id++);
    if (!resizeButtons && a.left[i] == column_.margin() && a.top[i] == column_.top(i)) continue;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (resizeButtons ? 0 : SWP_NOSIZE);
    if (button)
      SetWindowPos(button, nullptr, a.left[i], a.top[i], buttonWidth, column_.buttonHeight(), flags);
  }
  long left = origin ? origin->x : 0, top = origin ? origin->y : 0;
  if (!origin) {
    geometry::CentredOrigin(framework::ToRect(work), framework::ToRect(work), a.windowWidth, a.windowHeight,
                            &left, &top);
  }
  placing_ = true;
  SetWindowPos(window_.handle(), nullptr, left, top, a.windowWidth, a.windowHeight, SWP_NOZORDER);
  placing_ = false;
  InvalidateRect(window_.handle(), nullptr, TRUE);
  RECT client;
  GetClientRect(window_.handle(), &client);
  int x, y;
  const SIZE quit = dpi_.QuitSizeAt(at);
  tips_.FollowDpi(at);
  layout::QuitButtonOrigin(client.right - client.left, client.bottom, quit.cx, quit.cy, &x, &y, at);
  MoveWindow(quitButton_.handle(), x, y, quit.cx, quit.cy, TRUE);
}

SIZE ButtonPlacement::SizeAtDpi(int at) const {
  const layout::Frame frame = dpi_.FrameAt(window_.handle(), at);
  if (column_.dpi() == 0) return {frame.windowWidth, frame.windowHeight};
  // Where the window will stand is not known yet. A long menu's columns are measured for
  // the work area under the pointer, which carries a dragged window across; should the
  // window land elsewhere, WM_DPICHANGED lays it out for its real work area.
  POINT pointer = {};
  GetCursorPos(&pointer);
  const RECT spot = {pointer.x, pointer.y, pointer.x + 1, pointer.y + 1};
  const RECT work = framework::WorkAreaNear(spot);
  const layout::Arrangement a = layout::Arrange(column_.AtDpi(dpi::MetricForDpi(SM_CYICON, at), at), frame,
                                                work.right - work.left, work.bottom - work.top);
  return {a.windowWidth, a.windowHeight};
}

void ButtonPlacement::FollowDpi(int at, const RECT& suggested) {
  // The window goes exactly where Windows suggests: moved anywhere else, a window dragged
  // across two monitors would jump away from the pointer, and could bounce between them.
  // The size is the launcher's own, the one WM_GETDPISCALEDSIZE gave for the suggestion.
  const POINT origin = {suggested.left, suggested.top};
  if (placing_) {
    // The layout under way moved the window here; it lays out again at this DPI when
    // that move returns (LayOut).
    SetWindowPos(window_.handle(), nullptr, origin.x, origin.y, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  if (column_.dpi() == 0) {
    // No menu was laid out: the window keeps its template's size and Quit button.
    const layout::Frame frame = dpi_.FrameAt(window_.handle(), at);
    SetWindowPos(window_.handle(), nullptr, origin.x, origin.y, frame.windowWidth, frame.windowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const POINT quitAt = dpi_.QuitOriginAt(at);
    const SIZE quit = dpi_.QuitSizeAt(at);
    MoveWindow(quitButton_.handle(), quitAt.x, quitAt.y, quit.cx, quit.cy, TRUE);
    return;
  }
  column_ = column_.AtDpi(dpi::MetricForDpi(SM_CYICON, at), at);
  Place(framework::WorkAreaNear(suggested), &origin, true);
  // The disc's own pictures are read again from their files at the new icon size.
  pictures_.Reload(window_.handle(), command::kFirstButtonId, column_.iconHeight());
}

// Button layout of the launcher window and the popup menu of a menu file.
#include "menu_builders.h"

#include "centre_geometry.h"
#include "command_line.h"
#include "dpi_win32.h"
#include "launcher_app.h"
#include "launcher_dialog.h"
#include "message_table.h"

namespace {

const DWORD kButtonStyle = 0x50010100;  // child, visible, tab stop, icon at the left edge, push
const UINT kPopupMenuTemplate = 155;
const UINT kPopupFlags = TPM_RETURNCMD | TPM_NONOTIFY;
static_assert(layout::kMaxButtons == MenuEntryTable::kSize, "one button per entry of a table");

// Shift skips the auto-start. At start-up the launcher's thread has read no input
// yet, and a system may not have given it the keyboard's state (Wine does not), so
// the key as it is now counts as well as the thread's own view of it.
bool ShiftIsDown() { return GetKeyState(VK_SHIFT) < 0 || GetAsyncKeyState(VK_SHIFT) < 0; }

layout::ButtonColumn ColumnFor(HWND window) {
  int at = dpi::WindowDpi(window);
  return layout::ButtonColumn(dpi::MetricForDpi(SM_CYICON, at), at);
}

}  // namespace

MenuBuilder::MenuBuilder(HWND window) : column_(ColumnFor(window)) {}

ButtonBuilder::ButtonBuilder(LauncherDialog& window) : MenuBuilder(window.handle()), window_(window) {}

PopupBuilder::PopupBuilder(LauncherDialog& window) : MenuBuilder(window.handle()), window_(window) {}

void ButtonBuilder::Prepare() {
  for (UINT id = command::kFirstButtonId; id < command::kFirstButtonId + MenuEntryTable::kSize; id++) {
    HWND button = GetDlgItem(window_.handle(), id);
    if (button) DestroyWindow(button);
  }
  // Their buttons are gone: so are the pictures they showed.
  window_.pictures.Clear();
}

void ButtonBuilder::Entry(int index, int iconNumber) {
  Text& caption = window_.entries->entry[index].caption;
  caption.AppendChar('@');
  caption.AppendInt(iconNumber);
  int top = column_.NextButtonTop();
  const int at = column_.dpi();
  HWND button = CreateWindowExA(
      0, "GlyphKey", caption.c_str(), kButtonStyle, column_.margin(), top,
      layout::ButtonWidth(window_.FrameAt(at).clientWidth, at), column_.buttonHeight(), window_.handle(),
      (HMENU)(UINT_PTR)(command::kFirstButtonId + index), GetModuleHandleA(nullptr), nullptr);
  if (button) ShowWindow(button, SW_SHOW);
}

void ButtonBuilder::Picture(int index, const char* file, int iconIndex) {
  HWND button = GetDlgItem(window_.handle(), command::kFirstButtonId + index);
  window_.pictures.Show(button, index, file, iconIndex, column_.iconHeight());
}

UINT ButtonBuilder::Close() {
  // The window is centred in the work area of the screen that holds it.
  window_.LayOutColumn(column_, window_.WorkArea());
  if (!ShiftIsDown()) window_.RunAutoStart();
  return 0;
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
  for (int i = 0; i < column.count(); i++) {
    if (!resizeButtons && a.left[i] == column.margin() && a.top[i] == column.top(i)) continue;
    HWND button = GetDlgItem(handle_, command::kFirstButtonId + i);
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
  layout::QuitButtonOrigin(client.right - client.left, client.bottom, quit.cx, quit.cy, &x, &y, at);
  MoveWindow(quitButton.handle(), x, y, quit.cx, quit.cy, TRUE);
}

PopupBuilder::~PopupBuilder() {
  if (menu_) DestroyMenu(menu_);
}

void PopupBuilder::Prepare() {
  menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kPopupMenuTemplate));
  popup_ = menu_ ? GetSubMenu(menu_, 0) : nullptr;
  if (popup_) {
    ModifyMenuA(popup_, 0, MF_BYPOSITION | MF_STRING, 0, TheApp().MessageText(messages::kSelectItem));
  }
}

void PopupBuilder::Entry(int index, int) {
  if (popup_) {
    AppendMenuA(popup_, MF_STRING, command::kFirstPopupItemId + index, window_.entries->entry[index].caption.c_str());
  }
  column_.NextButtonTop();
}

void PopupBuilder::Gap(int number) {
  if (popup_) AppendMenuA(popup_, MF_SEPARATOR, 0, nullptr);
  column_.Gap(number);
}

UINT PopupBuilder::Close() {
  // Without its own menu template the launcher has no popup to show.
  if (!popup_) return 0;
  return (UINT)TrackPopupMenu(popup_, kPopupFlags, window_.popupOrigin.x, window_.popupOrigin.y, 0,
                              window_.handle(), nullptr);
}

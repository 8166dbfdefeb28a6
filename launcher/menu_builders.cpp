// Button layout of the launcher window and the popup menu of a menu file.
#include "menu_builders.h"

#include "centre_geometry.h"
#include "command_line.h"
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

}  // namespace

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
  HWND button = CreateWindowExA(0, "GlyphKey", caption.c_str(), kButtonStyle, layout::kButtonX, top,
                                layout::ButtonWidth(window_.initialClientRect.right), column_.buttonHeight(),
                                window_.handle(), (HMENU)(UINT_PTR)(command::kFirstButtonId + index),
                                GetModuleHandleA(nullptr), nullptr);
  if (button) ShowWindow(button, SW_SHOW);
}

void ButtonBuilder::Picture(int index, const char* file, int iconIndex) {
  HWND button = GetDlgItem(window_.handle(), command::kFirstButtonId + index);
  window_.pictures.Show(button, index, file, iconIndex, column_.iconHeight());
}

UINT ButtonBuilder::Close() {
  HWND window = window_.handle();
  RECT quit;
  GetWindowRect(window_.quitButton.handle(), &quit);
  int w = quit.right - quit.left;
  int h = quit.bottom - quit.top;
  // Only now is it known whether the single column fits the screen; where it does not,
  // the buttons made at their single-column places move into columns. The window is then
  // sized and centred in one step, in the work area the layout was made for: grown first
  // and centred after, it could reach into a screen below and be centred there.
  const RECT work = window_.WorkArea();
  const layout::Frame frame = {window_.initialWindowRect.right, window_.initialWindowRect.bottom,
                               window_.initialClientRect.right};
  const layout::Arrangement a =
      layout::Arrange(column_, frame, work.right - work.left, work.bottom - work.top);
  for (int i = 0; i < column_.count(); i++) {
    if (a.left[i] == layout::kButtonX && a.top[i] == column_.top(i)) continue;
    HWND button = GetDlgItem(window, command::kFirstButtonId + i);
    if (button)
      SetWindowPos(button, nullptr, a.left[i], a.top[i], 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const geometry::Rect bounds = {work.left, work.top, work.right, work.bottom};
  long left, top;
  geometry::CentredOrigin(bounds, bounds, a.windowWidth, a.windowHeight, &left, &top);
  SetWindowPos(window, nullptr, left, top, a.windowWidth, a.windowHeight, SWP_NOZORDER);
  InvalidateRect(window, nullptr, TRUE);
  RECT client;
  GetClientRect(window, &client);
  int x, y;
  layout::QuitButtonOrigin(client.right - client.left, client.bottom, w, h, &x, &y);
  MoveWindow(window_.quitButton.handle(), x, y, w, h, TRUE);
  if (!ShiftIsDown()) window_.RunAutoStart();
  return 0;
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

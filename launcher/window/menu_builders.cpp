// The buttons and the popup menu of a menu file.
#include "window/menu_builders.h"

#include "base/wide_text_win32.h"
#include "commands/command_line.h"
#include "dpi_win32.h"
#include "glyphkey.h"

namespace {

const DWORD kButtonStyle = 0x50010100;  // child, visible, tab stop, icon at the left edge, push
const UINT kPopupFlags = TPM_RETURNCMD | TPM_NONOTIFY;

layout::ButtonColumn ColumnFor(HWND window) {
  int at = dpi::WindowDpi(window);
  return layout::ButtonColumn(dpi::MetricForDpi(SM_CYICON, at), at);
}

}  // namespace

MenuBuilder::MenuBuilder(HWND window) : column_(ColumnFor(window)) {}

ButtonBuilder::ButtonBuilder(HWND window, PictureIcons& pictures, ButtonTips& tips, int clientWidth)
    : MenuBuilder(window), window_(window), pictures_(pictures), tips_(tips), clientWidth_(clientWidth) {}

PopupBuilder::PopupBuilder(HWND window, const POINT& origin, const MessageTable& messageTexts)
    : MenuBuilder(window), window_(window), origin_(origin), messageTexts_(messageTexts) {}

void ButtonBuilder::Prepare() {
  for (UINT id = command::kFirstButtonId; id < command::kFirstButtonId + MenuEntryTable::kSize; id++) {
    HWND button = GetDlgItem(window_, id);
    if (!button) continue;
    tips_.Remove(window_, button);
    DestroyWindow(button);
  }
  // Their buttons are gone: so are the pictures they showed.
  pictures_.Clear();
}

void ButtonBuilder::Entry(int index, const char* caption, int iconNumber) {
  // The control's own text format carries its icon: "caption@number", made here for the
  // control alone (the document's caption stays as it is). The control's procedure is an
  // ANSI one: a caption in any script is given in UTF-16 with its own message.
  Text controlText(caption);
  controlText.AppendChar('@');
  controlText.AppendInt(iconNumber);
  int top = column_.NextButtonTop();
  const int at = column_.dpi();
  HWND button =
      CreateWindowExW(0, L"" GLYPHKEY_CLASS, L"", kButtonStyle, column_.margin(), top,
                      layout::ButtonWidth(clientWidth_, at), column_.buttonHeight(), window_,
                      (HMENU)(UINT_PTR)(command::kFirstButtonId + index), GetModuleHandleA(nullptr), nullptr);
  if (!button) return;
  WideText wide(controlText.c_str());
  SendMessageW(button, GKM_SETTEXTW, 0, (LPARAM)wide.get());
  ShowWindow(button, SW_SHOW);
}

void ButtonBuilder::Picture(int index, const char* file, int iconIndex) {
  HWND button = GetDlgItem(window_, command::kFirstButtonId + index);
  pictures_.Show(button, index, file, iconIndex, column_.iconHeight());
}

void ButtonBuilder::Tip(int index, const char* tip) {
  HWND button = GetDlgItem(window_, command::kFirstButtonId + index);
  if (!button || !*tip) return;
  // Screen readers read it as the button's description and help.
  SendMessageW(button, GKM_SETDESCRIPTIONW, 0, (LPARAM)WideText(tip).get());
  tips_.Add(window_, button, tip);
}

PopupBuilder::~PopupBuilder() {
  if (menu_) DestroyMenu(menu_);
}

void PopupBuilder::Prepare() {
  menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_POPUP));
  popup_ = menu_ ? GetSubMenu(menu_, 0) : nullptr;
  if (popup_) {
    ModifyMenuW(popup_, 0, MF_BYPOSITION | MF_STRING, 0, WideText(messageTexts_.Get(messages::kSelectItem).c_str()).get());
  }
}

void PopupBuilder::Entry(int index, const char* caption, int) {
  if (popup_) AppendMenuW(popup_, MF_STRING, command::kFirstPopupItemId + index, WideText(caption).get());
  column_.NextButtonTop();
}

void PopupBuilder::Gap(int number) {
  if (popup_) AppendMenuA(popup_, MF_SEPARATOR, 0, nullptr);
  column_.Gap(number);
}

UINT PopupBuilder::Close() {
  // Without its own menu template the launcher has no popup to show.
  if (!popup_) return 0;
  // A window laid out right to left opens its popup that way too.
  const UINT direction = (GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? TPM_LAYOUTRTL | TPM_RIGHTALIGN : 0;
  return (UINT)TrackPopupMenu(popup_, kPopupFlags | direction, origin_.x, origin_.y, 0, window_, nullptr);
}

// The About box: initialisation, the icon animation and the auto-start choice.
#include "window/about_dialog.h"

#include "base/wide_text_win32.h"
#include "dpi_win32.h"
#include "icon_scale.h"
#include "res/resource_ids.h"
#include "window/auto_start.h"
#include "window/button_caption.h"

namespace {

const UINT_PTR kTimerId = 1;
const UINT kTimerPeriodMs = 500;
const int kVersionTextSize = 128;
// "Mmm dd yyyy", fixed when the program is built (SOURCE_DATE_EPOCH when set).
const char kBuildDate[] = __DATE__;

}  // namespace

AboutDialog::AboutDialog(const MessageTable& messageTexts, HWND owner, const MenuEntryTable* menu)
    : Dialog(IDD_ABOUT, owner), messageTexts(messageTexts), menu(menu) {}

AboutDialog::~AboutDialog() {}

void AboutDialog::ChooseAutoStart(HWND owner, const MessageTable& messageTexts,
                                  const ProfileFile& profileFile, const char* menuName,
                                  const MenuEntryTable* menu) {
  AboutDialog about(messageTexts, owner, menu);
  // The box reads the way its window does.
  about.LayOutRightToLeft((GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0);
  Text stored = profileFile.ReadValue(menuName, autostart::kProfileKey, autostart::kProfileDefault);
  if (!stored.empty()) {
    int n = LeadingNumber(stored.c_str());
    if (n > 0) about.autoStartChoice = n;
  }
  // The window owns the box and it is centred over it.
  if (about.DoModal() == IDOK) {
    Text value;
    value.AppendInt(about.autoStartChoice);
    profileFile.WriteValue(menuName, autostart::kProfileKey, value.c_str());
  }
}

void AboutDialog::DoDataExchange() {
  versionLabel.Attach(GetDlgItem(handle_, ID_VERSION_LABEL));
  autoStartList.Attach(GetDlgItem(handle_, ID_AUTO_START_LIST));
  frameLabel.Attach(GetDlgItem(handle_, ID_FRAME_LABEL));
  animationIcon.Attach(GetDlgItem(handle_, ID_ANIMATION_ICON));
}

BOOL AboutDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  char version[kVersionTextSize];
  GetWindowTextA(versionLabel.handle(), version, kVersionTextSize - (int)sizeof kBuildDate);
  Text label(version);
  label.Append(kBuildDate);
  SetWindowTextA(versionLabel.handle(), label.c_str());

  SetTimer(handle_, kTimerId, kTimerPeriodMs, nullptr);
  // The first frame at once, at the box's icon size: the template's is the system's.
  animationFrame = IDI_LAST;
  ShowNextFrame();

  HWND list = autoStartList.handle();
  SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)WideText(messageTexts.Get(messages::kNoneText).c_str()).get());
  // Each item holds the choice that it stores: its place in the list, counted on past
  // the entries before it that this machine does not show (they have no button).
  int unshown = 0;
  for (int index = 0; index < MenuEntryTable::kSize; index++) {
    if (!menu || index >= menu->document.entryCount || menu->hidden[index]) {
      unshown++;
      continue;
    }
    Text caption = PlainButtonCaption(menu->document.entries[index].caption.value.c_str(), nullptr);
    if (caption.empty()) continue;
    LRESULT item = SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)WideText(caption.c_str()).get());
    if (item >= 0) SendMessageA(list, CB_SETITEMDATA, (WPARAM)item, (LPARAM)(item + unshown));
    if (item + unshown == autoStartChoice) SendMessageA(list, CB_SETCURSEL, (WPARAM)item, 0);
  }
  if (autoStartChoice == 0) SendMessageA(list, CB_SETCURSEL, 0, 0);

  SetWindowTextW(handle_, WideText(messageTexts.Get(messages::kAboutBoxTitle).c_str()).get());
  SetDlgItemTextW(handle_, ID_AUTO_START_LABEL,
                  WideText(messageTexts.Get(messages::kAutoStartLabel).c_str()).get());
  return TRUE;
}

INT_PTR AboutDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    INT_PTR result = Dialog::HandleMessage(message, wParam, lParam);
    ShowNextFrame();
    return result;
  }
  return Dialog::HandleMessage(message, wParam, lParam);
}

void AboutDialog::ShowNextFrame() {
  if (++animationFrame > IDI_LAST) animationFrame = IDI_FIRST;
  // At the system's DPI the shared icon, of the system's size; at a size the groups do not
  // hold, or on a monitor of another DPI, the frame's own image of the size (or the next
  // larger shrunk), which the box destroys when it is replaced or the box goes.
  const int size = dpi::MetricForDpi(SM_CXICON, dpi::WindowDpi(handle_));
  const bool shared = size == GetSystemMetrics(SM_CXICON) && dpi::SourceImageSize(size) == size;
  HICON icon = shared ? LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(animationFrame))
                      : dpi::LoadIconAtSize(GetModuleHandleA(nullptr), animationFrame, size);
  HICON owned = shared ? nullptr : icon;
  Text number;
  number.AppendInt(animationFrame - IDI_NONE);
  SetWindowTextA(frameLabel.handle(), number.c_str());
  SendMessageA(animationIcon.handle(), STM_SETICON, (WPARAM)icon, 0);
  if (frameIcon) DestroyIcon(frameIcon);
  frameIcon = owned;
  RedrawWindow(animationIcon.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void AboutDialog::OnDestroy() {
  if (frameIcon) DestroyIcon(frameIcon);
  frameIcon = nullptr;
}

void AboutDialog::OnOK() {
  LRESULT item = SendMessageA(autoStartList.handle(), CB_GETCURSEL, 0, 0);
  autoStartChoice =
      item < 0 ? -1 : (int)SendMessageA(autoStartList.handle(), CB_GETITEMDATA, (WPARAM)item, 0);
  Dialog::OnOK();
}

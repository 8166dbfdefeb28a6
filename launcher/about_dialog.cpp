// The About box: initialisation, the icon animation and the auto-start choice.
#include "about_dialog.h"

#include "dpi_win32.h"
#include "icon_scale.h"
#include "launcher_app.h"
#include "launcher_dialog.h"
#include "message_table.h"

namespace {

const UINT kTemplateId = 100;
const int kAutoStartListId = 1201;
const int kAnimationIconId = 1211;
const int kFrameLabelId = 1212;
const int kVersionLabelId = 1214;
const int kAutoStartLabelId = 1215;
const UINT_PTR kTimerId = 1;
const UINT kTimerPeriodMs = 500;
const int kFirstFrame = 201;
const int kLastFrame = 226;
const int kVersionTextSize = 128;
// "Mmm dd yyyy", fixed when the program is built (SOURCE_DATE_EPOCH when set).
const char kBuildDate[] = __DATE__;

}  // namespace

AboutDialog::AboutDialog() : Dialog(kTemplateId) {}

AboutDialog::~AboutDialog() {}

void AboutDialog::DoDataExchange() {
  versionLabel.Attach(GetDlgItem(handle_, kVersionLabelId));
  autoStartList.Attach(GetDlgItem(handle_, kAutoStartListId));
  frameLabel.Attach(GetDlgItem(handle_, kFrameLabelId));
  animationIcon.Attach(GetDlgItem(handle_, kAnimationIconId));
}

BOOL AboutDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  LauncherApp& app = TheApp();
  char version[kVersionTextSize];
  GetWindowTextA(versionLabel.handle(), version, kVersionTextSize - (int)sizeof kBuildDate);
  Text label(version);
  label.Append(kBuildDate);
  SetWindowTextA(versionLabel.handle(), label.c_str());

  SetTimer(handle_, kTimerId, kTimerPeriodMs, nullptr);
  // The first frame at once, at the box's icon size: the template's is the system's.
  animationFrame = kLastFrame;
  ShowNextFrame();

  HWND list = autoStartList.handle();
  SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)app.MessageText(messages::kNoneText));
  HWND owner = GetParent(handle_);
  for (int id = 1001; id <= 1030; id++) {
    Text caption = ButtonCaptionOf(owner, id);
    if (!caption.empty()) SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)caption.c_str());
  }
  SendMessageA(list, CB_SETCURSEL, (WPARAM)autoStartChoice, 0);

  SetWindowTextA(handle_, app.MessageText(messages::kAboutBoxTitle));
  SetDlgItemTextA(handle_, kAutoStartLabelId, app.MessageText(messages::kAutoStartLabel));
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
  if (++animationFrame > kLastFrame) animationFrame = kFirstFrame;
  // At the system's DPI the shared icon, of the system's size; at a size the groups do not
  // hold, or on a monitor of another DPI, the frame's own image of the size (or the next
  // larger shrunk), which the box destroys when it is replaced or the box goes.
  const int size = dpi::MetricForDpi(SM_CXICON, dpi::WindowDpi(handle_));
  const bool shared = size == GetSystemMetrics(SM_CXICON) && dpi::SourceImageSize(size) == size;
  HICON icon = shared ? LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(animationFrame))
                      : dpi::LoadIconAtSize(GetModuleHandleA(nullptr), animationFrame, size);
  HICON owned = shared ? nullptr : icon;
  Text number;
  number.AppendInt(animationFrame - 200);
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
  autoStartChoice = (int)SendMessageA(autoStartList.handle(), CB_GETCURSEL, 0, 0);
  Dialog::OnOK();
}

// The launcher window: construction, initialisation, command routing, loading a menu,
// running an entry, the auto-start, iconic painting and the tables freed when the
// window goes.
#include "window/launcher_dialog.h"

#include "base/wide_text_win32.h"
#include "commands/command_line.h"
#include "commands/command_start_win32.h"
#include "commands/registry_view_win32.h"
#include "dpi_win32.h"
#include "menu/language_choice.h"
#include "menu/menu_document.h"
#include "menu/menu_file_win32.h"
#include "menu/message_table.h"
#include "window/about_dialog.h"
#include "window/button_layout.h"
#include "window/menu_builders.h"
#include "window/menu_drawing.h"
#include "window/start_monitor_win32.h"

namespace {

const int kPopupOriginWithoutButton = 300;  // x and y, at 96 dpi

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
    AppendMenuW(systemMenu, MF_STRING, ID_ABOUT_COMMAND,
                WideText(messageTexts.Get(messages::kAboutBoxMenu).c_str()).get());
  }
  dpiTemplate.MeasureTemplate(handle_, quitButton.handle());
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
  dpiTemplate.DestroyIcons();
  pictures.Clear();
  entries.Reset();
  savedEntries.Reset();
}

INT_PTR LauncherDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && command::EntryIndexForId(LOWORD(wParam)) != command::kNoEntry) {
        if (!runWait.waiting()) RunEntry(LOWORD(wParam));
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
      return (INT_PTR)dpiTemplate.BigIcon();
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
      *(SIZE*)lParam = placement.SizeAtDpi(LOWORD(wParam));
      SetWindowLongPtrA(handle_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_DPICHANGED:
      // A window that is not per-monitor aware Windows scales itself.
      if (lParam && LauncherDpi::IsPerMonitorAware(handle_)) {
        dpiTemplate.SetWindowIcons(handle_, LOWORD(wParam));
        placement.FollowDpi(LOWORD(wParam), *(const RECT*)lParam);
      }
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
  // The Quit button keeps its place from the near edge: the placement puts it again.
  SetWindowLongW(handle_, GWL_EXSTYLE, now);
  InvalidateRect(handle_, nullptr, TRUE);
}

void LauncherDialog::FinishButtons(const layout::ButtonColumn& built) {
  placement.LayOut(built);
  if (!rebuildingAfterWait && !ShiftIsDown()) RunAutoStart();
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
  DrawIconEx(dc, x, y, dpiTemplate.BigIcon(), cx, cy, 0, nullptr, DI_NORMAL);
  EndPaint(handle_, &paint);
}

int LauncherDialog::ShowMessage(const char* text, const char* caption, UINT flags) const {
  // A window laid out right to left has its boxes read and aligned that way too.
  if (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) flags |= MB_RTLREADING | MB_RIGHT;
  return MessageBoxW(handle_, WideText(text).get(), WideText(caption).get(), flags);
}

int LauncherDialog::ApplyMenuFile(const char* fileName, int mode) {
  if (!entries) entries.Reset(new MenuEntryTable);
  if (!entries) return 0;  // out of memory: nothing is loaded
  entries->Clear();
  if (mode == kButtons) buttonsMenu = Text(fileName);
  ButtonBuilder buttons(handle_, pictures, tips,
                        dpiTemplate.FrameAt(handle_, dpi::WindowDpi(handle_)).clientWidth);
  PopupBuilder popup(handle_, popupOrigin, messageTexts);
  MenuBuilder& builder = mode == kPopup ? static_cast<MenuBuilder&>(popup) : buttons;
  builder.Prepare();

  int result = 0;
  bool failed = true;
  // Read with the rules of the code page it was saved in, then UTF-8 like every text
  // of the launcher.
  if (MenuFile file(fileName); file.ok()) {
    const menu::MenuDocument& document = entries->document;
    menu::LineReader reader(file.text());
    failed = menu::ReadMenuDocument(reader, file.textLeadBytes(), entries->document) ==
             menu::ReadResult::kReadError;
    if (file.textCodePage() != CP_UTF8)
      entries->document.ForEachValue([&file](Text& value) { value = file.ToUtf8(value.c_str()); });
    if (mode == kButtons)
      SetLayoutDirection(menu::PageIsRightToLeft(document.direction.value.c_str(), startRightToLeft));
    // What came before a read error is shown all the same. The copies were made when the
    // menu was first read, not again after a wait.
    if (document.title.line) SetWindowTextW(handle_, WideText(document.title.value.c_str()).get());
    if (document.menuName.line) menuName = document.menuName.value;
    DrawMenuDocument(builder, *entries.get(), facts, fileName, !rebuildingAfterWait);
    // The file stays open while the closing step runs: an auto-start may load
    // another menu before this call returns.
    if (!failed) {
      result = builder.Close();
      if (mode != kPopup) FinishButtons(buttons.column());
    }
  }
  if (failed) {
    Text text(messageTexts.Get(messages::kErrorOpen));
    text.Append(" '");
    text.Append(fileName);
    text.AppendChar('\'');
    ShowMessage(text.c_str(), messageTexts.Get(messages::kErrorCaption).c_str(), MB_ICONEXCLAMATION | MB_OK);
  }
  if (mode == kButtons) rebuildingAfterWait = false;
  // The popup builder destroys its menu when it goes.
  return result;
}

void LauncherDialog::RunEntry(unsigned id) {
  int index = command::EntryIndexForId(id);
  if (index == command::kNoEntry || !entries || entries->hidden[index]) return;
  // A copy: the table may be replaced before this call ends.
  Text entryCommand = entries->document.entries[index].command.value;
  // An auto-start ends the window whatever the entry asks.
  RunStyle runStyle = autoStarts.depth() > 0
                          ? RunStyle::kStay
                          : ParseRunStyle(entries->document.entries[index].runStyle.value.c_str());
  ClassesRootView registry;
  Text commandLine;
  if (entryCommand.c_str()[0] == '%') {
    Text document = command::PercentCommandDocument(entryCommand.c_str());
    commandLine = assoc::BuildAssociationCommand(registry, document.c_str());
  } else {
    commandLine = entryCommand;
  }
  switch (command::Classify(commandLine.c_str())) {
    case command::Kind::kReload:
      Reload(command::MenuFileOf(commandLine.c_str(), ']', nullptr).c_str());
      return;
    case command::Kind::kPopup:
      OpenPopup(id, command::MenuFileOf(commandLine.c_str(), '>', nullptr).c_str());
      return;
    case command::Kind::kStart:
      break;
  }
  Text composed = command::ComposeCommandLine(registry, commandLine.c_str());
  if (!(runStyle == RunStyle::kWait ? StartAndWait(composed.c_str())
                                    : StartCommandLine(composed.c_str(), handle_))) {
    ShowStartError(entryCommand.c_str());
    return;
  }
  // The launcher ends: the disc is no longer in use.
  if (runStyle == RunStyle::kClose) OnOK();
}

bool LauncherDialog::StartAndWait(const char* commandLine) {
  const RunWait::Outcome outcome = runWait.StartAndWait(handle_, commandLine);
  if (outcome != RunWait::kWindowBack) return outcome != RunWait::kNotStarted;
  // What the program did may change what the menu shows: its conditions are asked
  // again and its buttons made anew, without its copy lines or its auto-start.
  rebuildingAfterWait = true;
  Text menu(buttonsMenu);
  Reload(menu.c_str());
  runWait.GiveFocusBack(handle_);
  tips.HideFocusTip();  // the focus came back by itself, not by the keyboard
  return true;
}

void LauncherDialog::Reload(const char* fileName) {
  // Inside a popup the current table is the popup's: the reload waits until the
  // window's own table is back (see OpenPopup).
  if (popups.RequestReload(fileName)) ApplyMenuFile(fileName, kButtons);
}

void LauncherDialog::OpenPopup(unsigned id, const char* fileName) {
  // The window's table is set aside; ApplyMenuFile makes a fresh one for the popup. The
  // table that an outer popup set aside belongs to this call until the popup ends.
  OwnedTable outerSaved;
  outerSaved.Take(savedEntries);
  savedEntries.Take(entries);
  popupOrigin.x = popupOrigin.y = dpi::Scale(kPopupOriginWithoutButton, dpi::WindowDpi(handle_));
  if (HWND button = GetDlgItem(handle_, id)) {
    RECT r;
    GetWindowRect(button, &r);
    popupOrigin.x = r.right;
    popupOrigin.y = r.top;
  }
  popups.EnterPopup();
  int chosen = ApplyMenuFile(fileName, kPopup);
  // Sent, not posted: the chosen entry runs while the popup's table is current.
  if (chosen) SendMessageA(handle_, WM_COMMAND, (WPARAM)chosen, 0);
  entries.Take(savedEntries);  // the popup's table goes
  savedEntries.Take(outerSaved);
  Text reload;
  if (popups.LeavePopup(&reload)) ApplyMenuFile(reload.c_str(), kButtons);
}

void LauncherDialog::ShowStartError(const char* command) {
  Text text(messageTexts.Get(messages::kErrorStart));
  text.Append("\n'");
  text.Append(command);
  text.AppendChar('\'');
  ShowMessage(text.c_str(), messageTexts.Get(messages::kErrorCaption).c_str(), MB_ICONERROR);
}

void LauncherDialog::OpenAboutBox() {
  // The box lists the captions of the buttons' menu.
  AboutDialog::ChooseAutoStart(handle_, messageTexts, profileFile, menuName.c_str(), entries.get());
}

void LauncherDialog::RunAutoStart() {
  Text stored = profileFile.ReadValue(menuName.c_str(), autostart::kProfileKey, autostart::kProfileDefault);
  unsigned id = autostart::ChoiceId(stored.c_str());
  if (!id) return;
  // An entry that this machine does not show starts nothing, and the menu stays.
  int index = command::EntryIndexForId(id);
  if (index != command::kNoEntry && entries && entries->hidden[index]) return;
  // A reload whose menu auto-starts a reload again nests here; past the bound the
  // chain stops and the window stays open on the last menu.
  if (!autoStarts.Enter()) return;
  RunEntry(id);
  if (autoStarts.Leave()) OnOK();
}

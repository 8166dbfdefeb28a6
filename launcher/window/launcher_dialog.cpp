// The launcher window: construction, initialisation, command routing, loading a menu,
// placing its buttons at the window's DPI, running an entry, the auto-start, iconic
// painting and the tables freed when the window goes.
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
  const layout::Frame frame = dpiTemplate.FrameAt(handle_, at);
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
  const SIZE quit = dpiTemplate.QuitSizeAt(at);
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
  DrawIconEx(dc, x, y, dpiTemplate.BigIcon(), cx, cy, 0, nullptr, DI_NORMAL);
  EndPaint(handle_, &paint);
}

int LauncherDialog::ShowMessage(const char* text, const char* caption, UINT flags) const {
  // A window laid out right to left has its boxes read and aligned that way too.
  if (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) flags |= MB_RTLREADING | MB_RIGHT;
  return MessageBoxW(handle_, WideText(text).get(), WideText(caption).get(), flags);
}

SIZE LauncherDialog::SizeAtDpi(int at) const {
  const layout::Frame frame = dpiTemplate.FrameAt(handle_, at);
  if (column.dpi() == 0) return {frame.windowWidth, frame.windowHeight};
  // Where the window will stand is not known yet. A long menu's columns are measured for
  // the work area under the pointer, which carries a dragged window across; should the
  // window land elsewhere, WM_DPICHANGED lays it out for its real work area.
  POINT pointer = {};
  GetCursorPos(&pointer);
  const RECT spot = {pointer.x, pointer.y, pointer.x + 1, pointer.y + 1};
  const RECT work = framework::WorkAreaNear(spot);
  const layout::Arrangement a = layout::Arrange(column.AtDpi(dpi::MetricForDpi(SM_CYICON, at), at), frame,
                                                work.right - work.left, work.bottom - work.top);
  return {a.windowWidth, a.windowHeight};
}

void LauncherDialog::OnDpiChanged(int at, const RECT& suggested) {
  if (!LauncherDpi::IsPerMonitorAware(handle_)) return;
  dpiTemplate.SetWindowIcons(handle_, at);
  // The window goes exactly where Windows suggests: moved anywhere else, a window dragged
  // across two monitors would jump away from the pointer, and could bounce between them.
  // The size is the launcher's own, the one WM_GETDPISCALEDSIZE gave for the suggestion.
  const POINT origin = {suggested.left, suggested.top};
  if (placing) {
    // The layout under way moved the window here; it lays out again at this DPI when
    // that move returns (LayOutColumn).
    SetWindowPos(handle_, nullptr, origin.x, origin.y, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  if (column.dpi() == 0) {
    // No menu was laid out: the window keeps its template's size and Quit button.
    const layout::Frame frame = dpiTemplate.FrameAt(handle_, at);
    SetWindowPos(handle_, nullptr, origin.x, origin.y, frame.windowWidth, frame.windowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const POINT quitAt = dpiTemplate.QuitOriginAt(at);
    const SIZE quit = dpiTemplate.QuitSizeAt(at);
    MoveWindow(quitButton.handle(), quitAt.x, quitAt.y, quit.cx, quit.cy, TRUE);
    return;
  }
  column = column.AtDpi(dpi::MetricForDpi(SM_CYICON, at), at);
  PlaceButtons(column, framework::WorkAreaNear(suggested), &origin, true);
  // The disc's own pictures are read again from their files at the new icon size.
  pictures.Reload(handle_, command::kFirstButtonId, column.iconHeight());
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

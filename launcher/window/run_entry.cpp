// RunEntry: carrying out one menu entry's command, a document, a reload, a popup
// with its table exchange, or a program started through the composed command line.
#include <windows.h>

#include "commands/command_line.h"
#include "commands/command_start_win32.h"
#include "commands/registry_view_win32.h"
#include "dpi_win32.h"
#include "menu/message_table.h"
#include "window/launcher_dialog.h"

namespace {

const int kPopupOriginWithoutButton = 300;  // x and y, at 96 dpi

}  // namespace

void LauncherDialog::RunEntry(unsigned id) {
  int index = command::EntryIndexForId(id);
  if (index == command::kNoEntry || !entries || entries->hidden[index]) return;
  // A copy: the table may be replaced before this call ends.
  Text entryCommand = entries->document.entries[index].command.value;
  // An auto-start ends the window whatever the entry asks.
  RunStyle runStyle = autoStarts.depth() > 0 ? RunStyle::kStay
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

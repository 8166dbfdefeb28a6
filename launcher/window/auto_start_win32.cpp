// The launcher window's About item and auto-start step, over the profile file.
#include "base/text.h"
#include "commands/command_line.h"
#include "window/about_dialog.h"
#include "window/auto_start.h"
#include "window/launcher_dialog.h"

void LauncherDialog::OpenAboutBox() {
  AboutDialog about(messageTexts, handle_);
  // The box reads the way its window does.
  about.LayOutRightToLeft((GetWindowLongW(handle_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0);
  Text stored = profileFile.ReadValue(menuName.c_str(), autostart::kProfileKey, autostart::kProfileDefault);
  if (!stored.empty()) {
    int n = LeadingNumber(stored.c_str());
    if (n > 0) about.autoStartChoice = n;
  }
  // This window owns the box and it is centred over it.
  if (about.DoModal() == IDOK) {
    Text value;
    value.AppendInt(about.autoStartChoice);
    profileFile.WriteValue(menuName.c_str(), autostart::kProfileKey, value.c_str());
  }
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

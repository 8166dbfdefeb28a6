// The launcher window's About item and auto-start step, over the profile file.
#include "app/launcher_app.h"
#include "base/text.h"
#include "window/about_dialog.h"
#include "window/auto_start.h"
#include "window/launcher_dialog.h"

void LauncherDialog::OpenAboutBox() {
  LauncherApp& app = TheApp();
  AboutDialog about;
  Text stored = app.ReadProfileValue(menuName.c_str(), autostart::kProfileKey, autostart::kProfileDefault);
  if (!stored.empty()) {
    int n = LeadingNumber(stored.c_str());
    if (n > 0) about.autoStartChoice = n;
  }
  // The application's main window, this one, owns the box and it is centred over it.
  if (about.DoModal() == IDOK) {
    Text value;
    value.AppendInt(about.autoStartChoice);
    app.WriteProfileValue(menuName.c_str(), autostart::kProfileKey, value.c_str());
  }
}

void LauncherDialog::RunAutoStart() {
  Text stored =
      TheApp().ReadProfileValue(menuName.c_str(), autostart::kProfileKey, autostart::kProfileDefault);
  unsigned id = autostart::ChoiceId(stored.c_str());
  if (!id) return;
  // A reload whose menu auto-starts a reload again nests here; past the bound the
  // chain stops and the window stays open on the last menu.
  if (!autoStarts.Enter()) return;
  RunEntry(id);
  if (autoStarts.Leave()) OnOK();
}

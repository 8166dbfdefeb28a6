// LauncherDialog: the launcher's main window on template IDD_LAUNCHER, a column of
// GlyphKey menu buttons above the Quit button, with the menu tables behind them. It
// loads a menu file and draws its document, places the buttons, follows the DPI, runs
// an entry (a program, a reload, a popup), and runs the auto-start; its collaborators
// have their own files: MenuBuilder (menu_builders), DrawMenuDocument (menu_drawing),
// ButtonPlacement (button_placement), LauncherDpi (launcher_dpi), RunWait
// (run_wait_win32), AboutDialog (about_dialog), ButtonTips, PictureIcons.
// window/ owns the launcher window: this dialog, the menu builders, the About box, the
// pictures, the profile file, and the pure rules beside them (button_layout,
// button_caption, start_monitor, auto_start, popup_nesting: no <windows.h>). It may use
// framework/, base/, menu/, commands/ and dpi/; the message table and the profile file
// are handed to it when it is made.
#pragma once
#include "base/text.h"
#include "framework/centre_geometry.h"
#include "framework/dialog.h"
#include "menu/entry_condition.h"
#include "menu/menu_entry.h"
#include "menu/message_table.h"
#include "window/auto_start.h"
#include "window/button_layout.h"
#include "window/button_placement.h"
#include "window/button_tips.h"
#include "window/launcher_dpi.h"
#include "window/picture_icons.h"
#include "window/popup_nesting.h"
#include "window/profile_file.h"
#include "window/run_wait_win32.h"

class MenuBuilder;

class LauncherDialog : public framework::Dialog {
 public:
  enum MenuMode { kButtons = 0, kPopup = 1 };

  // The window reads its texts from messageTexts, keeps the auto-start choices in
  // profileFile, shows startMenu first (laid out right to left for a language written
  // so) and asks facts where an entry is shown; all outlive it.
  LauncherDialog(const MessageTable& messageTexts, const ProfileFile& profileFile, const char* startMenu,
                 bool startRightToLeft, const menu::SystemFacts& facts);
  ~LauncherDialog() override;

  // A message box of the window, in UTF-8 texts; right to left where the window is.
  int ShowMessage(const char* text, const char* caption, UINT flags) const;
  // Reads a menu file into the current table and builds its buttons or its popup.
  // Popup mode answers the chosen item's identifier (0 for none).
  int ApplyMenuFile(const char* fileName, int mode);
  // Carries out the command of the entry behind a button or popup-item identifier.
  void RunEntry(unsigned id);
  // Starts the entry chosen in the About box, then ends the window.
  void RunAutoStart();

 protected:
  void OnDestroy() override;
  void DoDataExchange() override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PaintIconic();
  void OpenAboutBox();
  void Reload(const char* fileName);
  void OpenPopup(unsigned id, const char* fileName);
  void ShowStartError(const char* command);
  // QXrun=wait: starts the command line and waits (RunWait); when the window comes
  // back the menu is made anew. False when nothing was started.
  bool StartAndWait(const char* commandLine);
  // A page's direction: the window laid out right to left, or left to right, before its
  // buttons are made.
  void SetLayoutDirection(bool rightToLeft);
  // The buttons of a menu just built, placed and remembered; then its auto-start.
  void FinishButtons(const layout::ButtonColumn& built);

  const MessageTable& messageTexts;
  const ProfileFile& profileFile;
  const char* startMenu;
  const bool startRightToLeft;
  const menu::SystemFacts& facts;
  ButtonTips tips;
  RunWait runWait;
  // The menu is being made anew after a wait: no copy lines, no auto-start.
  bool rebuildingAfterWait = false;
  Text buttonsMenu;  // the file the buttons were last made from
  framework::Window quitButton;
  LauncherDpi dpiTemplate;  // the template, the Quit button and the icons at a DPI
  PictureIcons pictures;    // the current buttons' pictures from the disc's files
  OwnedTable entries;
  OwnedTable savedEntries;
  Text menuName;
  POINT popupOrigin = {};
  ButtonPlacement placement{*this, quitButton, dpiTemplate, tips, pictures};

  PopupNesting popups;
  autostart::NestingGuard autoStarts;
};

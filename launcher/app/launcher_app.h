// LauncherApp: the launcher's one application object, at the top of the program.
// Its start-up loads the control library, fills the message table and runs the
// launcher window, handing it the message table and the profile file it owns.
// app/ owns the top of the program: this object and the run-time trimming; it may
// use every other folder, and only app/ includes this header.
#pragma once
#include "base/text.h"
#include "framework/application.h"
#include "menu/message_table.h"
#include "menu/system_facts_win32.h"
#include "window/profile_file.h"

class LauncherApp : public framework::Application {
 public:
  LauncherApp();
  ~LauncherApp() override;
  bool InitInstance() override;

 private:
  // The start menu that the user reads: the file of the QXlanguage line of autorun.inf
  // that the user's languages choose, when it can be read; else autorun.inf.
  void ChooseStartMenu();
  // Fills the message table from the string table and the Messages section of the
  // start menu; each call overwrites the nine texts.
  void FillMessageTable();

  // Texts by message number, filled before the launcher window is made.
  ::MessageTable messageTexts;
  // "QXAutorun.ini" in the Windows directory.
  ProfileFile profileFile;
  // The machine, the user's languages and the disc, as QXif and QXlanguage ask them.
  WindowsFacts facts;
  // The start menu's name relative to the disc's root, the current folder.
  Text startMenu;
  // Its language, by the tag of the line that chose it, is written right to left.
  bool startRightToLeft = false;
};

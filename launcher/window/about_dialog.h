// AboutDialog: the About box on template 100, with the version and build date,
// the animation of the launcher's 26 icons and the auto-start list, and the choice of
// auto-start it keeps in the profile file.
#pragma once
#include "framework/dialog.h"
#include "menu/menu_entry.h"
#include "menu/message_table.h"
#include "window/profile_file.h"

class AboutDialog : public framework::Dialog {
 public:
  // The box, owned by the window owner and centred over it, reads its texts from
  // messageTexts and lists the captions of the entries of menu that have a button (none
  // without a menu); both outlive it.
  AboutDialog(const MessageTable& messageTexts, HWND owner, const MenuEntryTable* menu);
  ~AboutDialog() override;

  // The box run over owner, laid out the way owner is, on the auto-start choice that
  // profileFile keeps for the menu named menuName; OK stores the new choice there.
  static void ChooseAutoStart(HWND owner, const MessageTable& messageTexts, const ProfileFile& profileFile,
                              const char* menuName, const MenuEntryTable* menu);

  // Index of the list item chosen: set before the box runs, read after IDOK.
  int autoStartChoice = 0;

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DoDataExchange() override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnDestroy() override;

 private:
  void ShowNextFrame();

  const MessageTable& messageTexts;
  const MenuEntryTable* menu;
  framework::Window versionLabel;
  framework::Window autoStartList;
  framework::Window frameLabel;
  framework::Window animationIcon;
  int animationFrame = 0;
  HICON frameIcon = nullptr;  // the frame shown, where the box loaded it at a DPI's size
};

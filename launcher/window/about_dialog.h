// AboutDialog: the About box on template 100, with the version and build date,
// the animation of the launcher's 26 icons and the auto-start list.
#pragma once
#include "framework/dialog.h"
#include "menu/message_table.h"

class AboutDialog : public framework::Dialog {
 public:
  // The box, owned by the window owner and centred over it, reads its texts from
  // messageTexts, which outlives it.
  AboutDialog(const MessageTable& messageTexts, HWND owner);
  ~AboutDialog() override;

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
  framework::Window versionLabel;
  framework::Window autoStartList;
  framework::Window frameLabel;
  framework::Window animationIcon;
  int animationFrame = 0;
  HICON frameIcon = nullptr;  // the frame shown, where the box loaded it at a DPI's size
};

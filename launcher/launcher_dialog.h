// LauncherDialog: the launcher's main window on template 103, a column of GlyphKey
// menu buttons above the Quit button, with the menu entry tables behind them.
#pragma once
#include "auto_start.h"
#include "dialog.h"
#include "menu_entry.h"
#include "picture_icons.h"
#include "popup_nesting.h"
#include "text.h"

class LauncherDialog : public framework::Dialog {
 public:
  enum MenuMode { kButtons = 0, kPopup = 1 };

  LauncherDialog();
  ~LauncherDialog() override;

  // The caption of control id as the About box lists it, empty without a control.
  Text ButtonCaption(int id) const;
  // Reads a menu file into the current table and builds its buttons or its popup.
  // Popup mode answers the chosen item's identifier (0 for none).
  int ApplyMenuFile(const char* fileName, int mode);
  // Carries out a QXcopy value "source|folder".
  void CopyFileToFolder(const char* value);
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
  friend class ButtonBuilder;
  friend class PopupBuilder;
  friend class MenuLoadSink;

  void PaintIconic();
  void OpenAboutBox();
  void Reload(const char* fileName);
  void OpenPopup(unsigned id, const char* fileName);
  void ShowStartError(const char* command);

  framework::Window quitButton;
  HICON windowIcon;
  HICON smallIcon = nullptr;  // loaded at the small-icon size, destroyed with the window
  PictureIcons pictures;  // the current buttons' pictures from the disc's files
  OwnedTable entries;
  OwnedTable savedEntries;
  Text menuName;
  RECT initialClientRect = {};
  RECT initialWindowRect = {};
  POINT popupOrigin = {};

  PopupNesting popups;
  autostart::NestingGuard autoStarts;
};

// The caption of the child control id of window as the About box lists it: "&"
// made blanks, white space trimmed; empty when there is no such control.
Text ButtonCaptionOf(HWND window, int id);

// LauncherDialog: the launcher's main window on template 103, a column of GlyphKey
// menu buttons above the Quit button, with the menu entry tables behind them.
#pragma once
#include "auto_start.h"
#include "button_layout.h"
#include "centre_geometry.h"
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
  // The template's window at a DPI: as created at the DPI it was created at, scaled
  // and framed for another.
  layout::Frame FrameAt(int dpi) const;
  // Puts the column's buttons, sizes the window to hold them, places it at origin (or,
  // without one, centred in the work area) and the Quit button at the bottom.
  void PlaceButtons(const layout::ButtonColumn& column, const RECT& work, const POINT* origin,
                    bool resizeButtons);
  // Lays a menu's column out centred in the work area and, should that move the window
  // onto a monitor of another DPI, once more at that DPI.
  void LayOutColumn(const layout::ButtonColumn& column, const RECT& work);
  // The Quit button's template size at a DPI.
  SIZE QuitSizeAt(int dpi) const;
  // The window's size at a DPI, as WM_GETDPISCALEDSIZE asks before a move.
  SIZE SizeAtDpi(int dpi) const;
  // The caption bar's, task bar's and Alt-Tab's icons at the sizes for a DPI.
  void SetWindowIcons(int dpi);
  // WM_DPICHANGED: the window laid out again at the new DPI, in the suggested place.
  void OnDpiChanged(int dpi, const RECT& suggested);
  // Tells Windows 10's dialog manager not to scale the window and move its controls
  // itself on a new DPI: the launcher lays them out.
  void KeepDpiLayoutToItself();

  framework::Window quitButton;
  HICON windowIcon;
  HICON smallIcon = nullptr;  // loaded at the small-icon size, destroyed with the window
  PictureIcons pictures;  // the current buttons' pictures from the disc's files
  HICON bigIcon = nullptr;    // at a DPI not the system's, loaded at its size and destroyed
  OwnedTable entries;
  OwnedTable savedEntries;
  Text menuName;
  RECT initialClientRect = {};
  RECT initialWindowRect = {};
  POINT popupOrigin = {};
  int templateDpi = dpi::kBaseDpi;  // the DPI of the monitor the window was created on
  RECT quitTemplateRect = {};       // the Quit button at that DPI, in client coordinates
  // The buttons of the last menu laid out, for a new DPI; of DPI 0 before the first.
  layout::ButtonColumn column{0, 0};
  bool placing = false;  // the window is being moved by PlaceButtons

  PopupNesting popups;
  autostart::NestingGuard autoStarts;
};

// The caption of the child control id of window as the About box lists it: "&"
// made blanks, white space trimmed; empty when there is no such control.
Text ButtonCaptionOf(HWND window, int id);

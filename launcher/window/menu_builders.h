// The two builders of a menu load: one GlyphKey button per entry stacked in the
// launcher window, or one item per entry in a popup menu shown at the popup's origin.
// They are handed the window's parts they build into; ButtonPlacement places the buttons.
#pragma once
#include <windows.h>

#include "menu/menu_entry.h"
#include "menu/message_table.h"
#include "window/button_layout.h"
#include "window/button_tips.h"
#include "window/picture_icons.h"

class MenuBuilder {
 public:
  virtual void Prepare() = 0;  // before the file is opened
  // Each entry shown: its caption and icon number.
  virtual void Entry(int index, const char* caption, int iconNumber) = 0;
  // The picture of entry index, from a QXpicture line: the file (its path as the
  // launcher opens it) and the icon's index in it. Popup items have none.
  virtual void Picture(int index, const char* file, int iconIndex) {
    (void)index, (void)file, (void)iconIndex;
  }
  // The line of help of entry index, from a QXtip line. Popup items have none.
  virtual void Tip(int index, const char* tip) { (void)index, (void)tip; }
  virtual void Gap(int number) = 0;  // each QXspace line
  virtual UINT Close() = 0;          // after the whole file was read
  // The buttons' column as built so far.
  const layout::ButtonColumn& column() const { return column_; }

 protected:
  // The column at the DPI of the window's monitor, with the icon height for it.
  explicit MenuBuilder(HWND window);
  ~MenuBuilder() {}
  // Both builders move the vertical position, popups too, where nothing uses it.
  layout::ButtonColumn column_;
};

class ButtonBuilder : public MenuBuilder {
 public:
  // Buttons in window, their pictures in pictures, their tips in tips, as wide as a
  // client area of clientWidth allows at the window's DPI.
  ButtonBuilder(HWND window, PictureIcons& pictures, ButtonTips& tips, int clientWidth);
  void Prepare() override;
  void Entry(int index, const char* caption, int iconNumber) override;
  void Picture(int index, const char* file, int iconIndex) override;
  void Tip(int index, const char* tip) override;
  void Gap(int number) override { column_.Gap(number); }
  UINT Close() override { return 0; }

 private:
  HWND window_;
  PictureIcons& pictures_;
  ButtonTips& tips_;
  int clientWidth_;
};

class PopupBuilder : public MenuBuilder {
 public:
  // A popup menu owned by window, opened at origin (read when it opens), its title from
  // messageTexts.
  PopupBuilder(HWND window, const POINT& origin, const MessageTable& messageTexts);
  ~PopupBuilder();  // the loaded menu is destroyed whatever happened
  void Prepare() override;
  void Entry(int index, const char* caption, int iconNumber) override;
  void Gap(int number) override;
  UINT Close() override;

 private:
  HWND window_;
  const POINT& origin_;
  const MessageTable& messageTexts_;
  HMENU menu_ = nullptr;
  HMENU popup_ = nullptr;
};

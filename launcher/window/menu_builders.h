// The two builders of a menu load: one GlyphKey button per entry stacked in the
// launcher window, or one item per entry in a popup menu shown at popupOrigin.
#pragma once
#include <windows.h>

#include "window/button_layout.h"

class LauncherDialog;

class MenuBuilder {
 public:
  virtual void Prepare() = 0;                        // before the file is opened
  virtual void Entry(int index, int iconNumber) = 0;  // each completed entry
  // The picture of entry index, from a QXpicture line: the file (its path as the
  // launcher opens it) and the icon's index in it. Popup items have none.
  virtual void Picture(int index, const char* file, int iconIndex) { (void)index, (void)file, (void)iconIndex; }
  virtual void Gap(int number) = 0;                  // each QXspace line
  virtual UINT Close() = 0;                          // after the whole file was read

 protected:
  // The column at the DPI of the window's monitor, with the icon height for it.
  explicit MenuBuilder(HWND window);
  ~MenuBuilder() {}
  // Both builders move the vertical position, popups too, where nothing uses it.
  layout::ButtonColumn column_;
};

class ButtonBuilder : public MenuBuilder {
 public:
  explicit ButtonBuilder(LauncherDialog& window);
  void Prepare() override;
  void Entry(int index, int iconNumber) override;
  void Picture(int index, const char* file, int iconIndex) override;
  void Gap(int number) override { column_.Gap(number); }
  UINT Close() override;

 private:
  LauncherDialog& window_;
};

class PopupBuilder : public MenuBuilder {
 public:
  explicit PopupBuilder(LauncherDialog& window);
  ~PopupBuilder();  // the loaded menu is destroyed whatever happened
  void Prepare() override;
  void Entry(int index, int iconNumber) override;
  void Gap(int number) override;
  UINT Close() override;

 private:
  LauncherDialog& window_;
  HMENU menu_ = nullptr;
  HMENU popup_ = nullptr;
};

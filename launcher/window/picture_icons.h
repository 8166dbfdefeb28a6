// The icons that the buttons of one menu show from the disc's own files: loaded at
// the size a button draws, owned here, destroyed when their buttons go.
#pragma once
#include <windows.h>

#include "base/text.h"
#include "menu/menu_entry.h"

class PictureIcons {
 public:
  PictureIcons() {}
  ~PictureIcons() { Clear(); }
  PictureIcons(const PictureIcons&) = delete;
  PictureIcons& operator=(const PictureIcons&) = delete;

  // Loads icon number index of file (the full path of a .ico, .exe or .dll of the disc;
  // empty for none) at size pixels for the button of entry, and hands it to that button
  // as its up and down icon. A file that cannot give that icon leaves the button without
  // a picture, and says nothing.
  void Show(HWND button, int entry, const char* file, int index, int size);
  // Loads every picture again at another size, for buttons that draw at a new DPI.
  void Reload(HWND window, UINT firstButtonId, int size);
  // Destroys every icon loaded: their buttons are gone, or about to be.
  void Clear();

 private:
  struct Picture {
    Text file;
    int index = 0;
    HICON icon = nullptr;
    bool failed = false;  // the file gave no icon: the button shows none at any size
  };
  // Icon number index of the .ico, .exe or .dll at path, at size pixels; null for none.
  static HICON Load(const char* path, int index, int size);
  void Give(HWND button, Picture& picture, int size);
  Picture pictures_[MenuEntryTable::kSize];
};

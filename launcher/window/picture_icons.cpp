// Icons of the disc's files on the menu buttons.
#include "window/picture_icons.h"

#include <shlobj.h>

#include "glyphkey.h"

void PictureIcons::Give(HWND button, Picture& picture, int size) {
  HICON old = picture.icon;
  picture.icon = nullptr;
  // The shell's own extraction: .ico, .exe and .dll files alike, counted as
  // ExtractIconEx counts, the image nearest the size scaled to it, alpha kept.
  HICON icon = nullptr;
  if (!picture.file.empty() && !picture.failed &&
      SHDefExtractIconA(picture.file.c_str(), picture.index, 0, &icon, nullptr, MAKELONG(size, size)) == S_OK)
    picture.icon = icon;
  // A file that gave no icon gives none at another size either: it is not asked again.
  picture.failed = !picture.icon;
  // The control never frees an icon it was given: the old one goes once it is replaced.
  SendMessageA(button, GKM_SETUPICON, (WPARAM)picture.icon, 0);
  SendMessageA(button, GKM_SETDOWNICON, (WPARAM)picture.icon, 0);
  InvalidateRect(button, nullptr, TRUE);
  if (old) DestroyIcon(old);
}

void PictureIcons::Show(HWND button, int entry, const char* file, int index, int size) {
  if (entry < 0 || entry >= MenuEntryTable::kSize) return;
  Picture& picture = pictures_[entry];
  picture.file.Assign(file);
  picture.index = index;
  picture.failed = false;
  if (button) Give(button, picture, size);
}

void PictureIcons::Reload(HWND window, UINT firstButtonId, int size) {
  for (int i = 0; i < MenuEntryTable::kSize; i++) {
    Picture& picture = pictures_[i];
    if (picture.file.empty() || picture.failed) continue;
    if (HWND button = GetDlgItem(window, firstButtonId + i)) Give(button, picture, size);
  }
}

void PictureIcons::Clear() {
  for (Picture& picture : pictures_) {
    if (picture.icon) DestroyIcon(picture.icon);
    picture.icon = nullptr;
    picture.file.Clear();
  }
}

// Icons of the disc's files on the menu buttons, read from the files' own bytes.
#include "window/picture_icons.h"

#include "base/wide_text_win32.h"
#include "dpi_win32.h"
#include "glyphkey.h"
#include "icon_scale.h"

namespace {

const int kMostImages = 64;           // images of one icon looked at
const DWORD kLargestImage = 4 << 20;  // bytes; a 256-pixel image as a bitmap is 0.27 MB
const DWORD kIconFormat = 0x00030000;

// An icon file's directory entry and an icon group's, as stored.
#pragma pack(push, 2)
struct FileEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes, offset;
};
struct GroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

template <typename Entry>
int Choose(const Entry* entries, int count, int size) {
  dpi::IconImage images[kMostImages];
  for (int i = 0; i < count; i++) images[i] = {entries[i].width ? entries[i].width : 256, entries[i].bits};
  return dpi::ChooseIconImage(images, count, size);
}

// The icon of one image's bytes (a bitmap or a PNG) at size pixels: a larger image
// shrunk by averaging, as the launcher's own icons are; a smaller one stretched by the
// system, the last resort.
HICON IconFromImage(const void* bits, DWORD length, int side, int size) {
  if (side < size) return CreateIconFromResourceEx((BYTE*)bits, length, TRUE, kIconFormat, size, size, 0);
  HICON icon = CreateIconFromResourceEx((BYTE*)bits, length, TRUE, kIconFormat, 0, 0, 0);
  if (!icon || side == size) return icon;
  HICON shrunk = dpi::ShrinkIcon(icon, size);
  if (!shrunk) return icon;
  DestroyIcon(icon);
  return shrunk;
}

bool ReadAt(HANDLE file, DWORD offset, void* into, DWORD length) {
  DWORD read = 0;
  return SetFilePointer(file, (LONG)offset, nullptr, FILE_BEGIN) == offset &&
         ReadFile(file, into, length, &read, nullptr) && read == length;
}

// An icon file holds one icon, number 0.
HICON IconFromIconFile(HANDLE file, int index, int size) {
  WORD head[3];
  FileEntry entries[kMostImages];
  if (index != 0 || !ReadAt(file, 0, head, sizeof head) || head[0] != 0 || head[1] != 1 || head[2] == 0 ||
      head[2] > kMostImages || !ReadAt(file, sizeof head, entries, head[2] * sizeof(FileEntry)))
    return nullptr;
  const FileEntry& e = entries[Choose(entries, head[2], size)];
  void* bits = e.bytes && e.bytes <= kLargestImage ? HeapAlloc(GetProcessHeap(), 0, e.bytes) : nullptr;
  HICON icon = bits && ReadAt(file, e.offset, bits, e.bytes)
                   ? IconFromImage(bits, e.bytes, e.width ? e.width : 256, size)
                   : nullptr;
  if (bits) HeapFree(GetProcessHeap(), 0, bits);
  return icon;
}

// Icon groups are counted in the order of the resource directory, as ExtractIconEx counts.
struct GroupSearch {
  int left;
  HRSRC found;
};
BOOL CALLBACK FindGroup(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
  GroupSearch* search = (GroupSearch*)param;
  if (search->left-- > 0) return TRUE;
  search->found = FindResourceW(module, name, type);
  return FALSE;
}

const void* Resource(HMODULE module, HRSRC resource, DWORD* size) {
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  *size = resource ? SizeofResource(module, resource) : 0;
  return loaded ? LockResource(loaded) : nullptr;
}

// A program or library is mapped as resources alone, never run.
HICON IconFromModule(const char* path, int index, int size) {
  WideText widePath(path);
  HMODULE module = LoadLibraryExW(widePath.get(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) module = LoadLibraryExW(widePath.get(), nullptr, LOAD_LIBRARY_AS_DATAFILE);  // before Vista
  if (!module) return nullptr;
  GroupSearch search = {index, nullptr};
  EnumResourceNamesW(module, (LPCWSTR)RT_GROUP_ICON, FindGroup, (LONG_PTR)&search);
  DWORD length = 0, imageLength = 0;
  const WORD* group = (const WORD*)Resource(module, search.found, &length);
  HICON icon = nullptr;
  if (group && length >= 6 && group[2] > 0 && group[2] <= kMostImages &&
      6 + group[2] * sizeof(GroupEntry) <= length) {
    const GroupEntry& e =
        ((const GroupEntry*)(group + 3))[Choose((const GroupEntry*)(group + 3), group[2], size)];
    const void* bits = Resource(module, FindResourceA(module, MAKEINTRESOURCEA(e.id), RT_ICON), &imageLength);
    if (bits) icon = IconFromImage(bits, imageLength, e.width ? e.width : 256, size);
  }
  FreeLibrary(module);
  return icon;
}

}  // namespace

HICON PictureIcons::Load(const char* path, int index, int size) {
  // Never through a link: the folders on the way are looked at before this; the file
  // itself is opened as it is, refused where it is a link, and its icon made from the
  // bytes read through that handle. Held open without delete sharing, it cannot be
  // swapped while a program or library is mapped from its path.
  HANDLE file = CreateFileW(WideText(path).get(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  BY_HANDLE_FILE_INFORMATION facts;
  WORD magic = 0;
  HICON icon = nullptr;
  if (GetFileInformationByHandle(file, &facts) &&
      !(facts.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) &&
      ReadAt(file, 0, &magic, sizeof magic))
    icon =
        magic == ('M' | 'Z' << 8) ? IconFromModule(path, index, size) : IconFromIconFile(file, index, size);
  CloseHandle(file);
  return icon;
}

void PictureIcons::Give(HWND button, Picture& picture, int size) {
  HICON old = picture.icon;
  picture.icon = nullptr;
  if (!picture.file.empty() && !picture.failed)
    picture.icon = Load(picture.file.c_str(), picture.index, size);
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

// QXpicture values: the file and the icon's index, and the file's path beside the menu.
#include "menu/entry_picture.h"

#include <string.h>

namespace menu {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "\dir", "/dir", "\\server\share" and "C:..." are not taken in the menu's folder.
bool IsAbsolute(const char* file) {
  return file[0] == '\\' || file[0] == '/' || (file[0] && file[1] == ':');
}

// The length of the folder part of path: up to and including its last "\" or "/",
// or a drive's ":"; 0 when it has none.
size_t FolderLength(const char* path, LeadByteTest isLeadByte) {
  size_t folder = 0;
  for (size_t i = 0; path[i]; i++) {
    if (isLeadByte && isLeadByte((unsigned char)path[i]) && path[i + 1]) {
      i++;
      continue;
    }
    if (path[i] == '\\' || path[i] == '/' || (i == 1 && path[i] == ':')) folder = i + 1;
  }
  return folder;
}

}  // namespace

PictureProblem ReadPictureValue(const char* value, const char* menuFile, PictureSource* source,
                                LeadByteTest isLeadByte) {
  size_t length = strlen(value);
  source->index = 0;
  size_t begin, end;
  if (const char* comma = FindLastCharacter(value, ',', isLeadByte)) {
    TrimRange(comma + 1, strlen(comma + 1), isLeadByte, &begin, &end);
    const char* n = comma + 1 + begin;
    size_t digits = end - begin;
    size_t signs = digits && (n[0] == '-' || n[0] == '+');
    bool number = digits > signs;
    for (size_t i = signs; number && i < digits; i++) number = IsDigit(n[i]);
    if (number) {
      if (n[0] == '-') return PictureProblem::kBadIndex;
      source->index = LeadingNumber(n);
      TrimRange(value, (size_t)(comma - value), isLeadByte, &begin, &end);
      value += begin;
      length = end - begin;
    }
  }
  if (!length) return PictureProblem::kNoFile;
  source->path.Clear();
  if (!IsAbsolute(value)) source->path.Append(menuFile, FolderLength(menuFile, isLeadByte));
  source->path.Append(value, length);
  if (!source->path.ok() || source->path.length() > kPicturePathLimit) return PictureProblem::kLongPath;
  return PictureProblem::kNone;
}

}  // namespace menu

// QXpicture values: the file and the icon's index, and the file's full path on the disc.
#include "menu/entry_picture.h"

#include <string.h>

namespace menu {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

PictureProblem ReadPictureValue(const char* value, const char* menuFile, const char* discRoot,
                                PictureSource* source, LeadByteTest isLeadByte) {
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
  Text file(value, length), folder;
  source->offDisc = MenuFolderOnDisc(menuFile, &folder, isLeadByte);
  if (source->offDisc == DiscPathProblem::kNone)
    source->offDisc = ResolveDiscPath(file.c_str(), folder.c_str(), &source->discPath, isLeadByte);
  if (source->offDisc != DiscPathProblem::kNone) return PictureProblem::kOffDisc;
  source->path = FullDiscPath(discRoot, source->discPath.c_str(), isLeadByte);
  if (!source->path.ok() || CharacterCount(source->path.c_str(), isLeadByte) > kPicturePathLimit)
    return PictureProblem::kLongPath;
  return PictureProblem::kNone;
}

}  // namespace menu

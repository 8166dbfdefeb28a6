// The QXpicture value "FILE" or "FILE,N": which icon of which file of the disc a
// button shows. Pure: the loading is the caller's.
#pragma once
#include "base/text.h"
#include "menu/disc_path.h"

namespace menu {

const size_t kPicturePathLimit = 259;  // characters of a path that the system opens

enum class PictureProblem {
  kNone,
  kNoFile,    // the value names no file
  kBadIndex,  // ",N" is not a number from 0 on
  kOffDisc,   // the file is not one of the disc's (source->offDisc says why)
  kLongPath,  // the file's full path is longer than a path the system opens
};

struct PictureSource {
  Text discPath;  // the file from the disc's root
  Text path;      // its full path, as the launcher hands it to the system
  int index = 0;  // counted from 0, as ExtractIconEx counts
  DiscPathProblem offDisc = DiscPathProblem::kNone;
};

// Reads a QXpicture value read from menuFile (its path as the launcher was given it) on
// the disc whose root is discRoot (a full path). The text after the last "," is the
// icon's index when it is a number (white space around it allowed); otherwise the whole
// value is the file's name, commas and all. The file is taken in the menu file's folder,
// or from the disc's root after a leading "\"; any other place is refused (disc_path.h).
PictureProblem ReadPictureValue(const char* value, const char* menuFile, const char* discRoot,
                                PictureSource* source, LeadByteTest isLeadByte = nullptr);

}  // namespace menu

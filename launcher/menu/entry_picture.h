// The QXpicture value "FILE" or "FILE,N": which icon of which file a button shows,
// and where that file is. Pure: the loading is the caller's.
#pragma once
#include "base/text.h"

namespace menu {

const size_t kPicturePathLimit = 259;  // characters of a path that the system opens

enum class PictureProblem {
  kNone,
  kNoFile,     // the value names no file
  kBadIndex,   // ",N" is not a number from 0 on
  kLongPath,   // the file's path is longer than a path the system opens
};

struct PictureSource {
  Text path;      // the file, as the launcher opens it
  int index = 0;  // counted from 0, as ExtractIconEx counts
};

// Reads a QXpicture value read from menuFile (its path as the launcher was given it).
// The text after the last "," is the icon's index when it is a number (white space
// around it allowed); otherwise the whole value is the file's name, commas and all.
// A relative file is taken in the folder of the menu file: the disc's root for
// autorun.inf. "\" and "/" both end a folder; double-byte characters are stepped
// over whole, so a second byte 0x5C ends no folder.
PictureProblem ReadPictureValue(const char* value, const char* menuFile, PictureSource* source,
                                LeadByteTest isLeadByte = nullptr);

}  // namespace menu

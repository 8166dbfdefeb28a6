// The QXcopy directive "source|folder": where a file is copied from and to.
// Pure: the Windows directory is an input, the copy itself is the caller's.
#pragma once
#include "text.h"

namespace menu {

const size_t kCopyValueLimit = 255;        // characters of a directive value
const size_t kCopyDestinationLimit = 255;  // characters of folder, "\" and file name

// Splits a directive value as the launcher does: fields separated by "|" the way
// strtok separates them, "%windir%" (exact, whole field) standing for windowsDir,
// a "\" added when the folder lacks one, then the source's file name (after its
// last "\"). Both searches step over double-byte characters, whose second byte may
// be "|" or "\". False when there is nothing to copy: no folder field, or a value or
// destination beyond its limit (nothing is cut, so nothing is copied to a wrong name).
bool ParseCopyDirective(const char* value, const char* windowsDir, Text* source, Text* destination,
                        LeadByteTest isLeadByte = nullptr);

}  // namespace menu

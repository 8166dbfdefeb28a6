// The QXcopy directive "source|folder": where a file is copied from and to.
// Pure: the Windows directory is an input, the copy itself is the caller's.
#pragma once
#include "base/text.h"

namespace menu {

const size_t kCopyValueLimit = 255;        // characters of a directive value
const size_t kCopyDestinationLimit = 255;  // characters of folder, "\" and file name

// What the launcher does with a directive: copy, or why it copies nothing. Nothing is
// cut at a limit, so nothing is copied to a wrong name.
enum class CopyOutcome {
  kCopy,
  kNoFolder,            // fewer than two fields
  kValueTooLong,        // more than kCopyValueLimit characters
  kDestinationTooLong,  // folder, "\" and file name beyond kCopyDestinationLimit
  kOutOfMemory,
};

// Splits a directive value as the launcher does: fields separated by "|" the way
// strtok separates them, "%windir%" (exact, whole field) standing for windowsDir,
// a "\" added when the folder's last character is not one, then the source's file
// name (after its last "\"). Every search steps over double-byte characters, whose
// second byte may be "|" or "\". Source and destination are set only for kCopy.
CopyOutcome ParseCopyDirective(const char* value, const char* windowsDir, Text* source, Text* destination,
                               LeadByteTest isLeadByte = nullptr);

}  // namespace menu
